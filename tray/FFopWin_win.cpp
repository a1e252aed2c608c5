// Construction of the file-operation window, its procedure and the owner draw of its menu.
#include "tray/FFopWin_win.h"

#include "common/ErrorBox_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/RegKey_win.h"
#include "common/RequestMessage_win.h"
#include "common/TextPlatform.h"
#include "tray/FTray_win.h"
#include "tray/FileOpRules.h"
#include "tray/TrayMenuRules.h"

#include <shlobj.h>

namespace pvn {

FFopWin* FFopWin::s_instance = nullptr;

namespace {

constexpr wchar_t kWindowClass[] = L"PVNFOPWINCLASS";
constexpr bool kProgramIs64Bit = sizeof(void*) == 8;

} // namespace

FFopWin::FFopWin(FTray& tray) : m_tray(tray) {
    s_instance = this;
    m_requestMessage = requestMessage();
    m_desktop = specialFolderPath(CSIDL_DESKTOP).value_or(L"");
    m_system = specialFolderPath(CSIDL_SYSTEM).value_or(L"");
    if (usesNativeSystemFolder(kProgramIs64Bit, runningUnderWow64()))
        m_nativeSystem = nativeSystemFolder(specialFolderPath(CSIDL_WINDOWS).value_or(L""));
    m_iconWidth = GetSystemMetrics(SM_CXSMICON);
    m_iconHeight = GetSystemMetrics(SM_CYSMICON);
    m_entryHeight = m_iconHeight + 3;

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowBase::windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    registerWindowClass(windowClass);
    // Not owned by the tray window: under Wine an owned window takes the keys of the tray's own
    // menus; a 1×1 tool window gains nothing on Windows from an owner.
    CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"Parvane", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                    instance, static_cast<WindowBase*>(this));
    if (!check(m_window != nullptr, "CreateWindowEx"))
        return;
    ShowWindow(m_window, SW_SHOWNORMAL);
    UpdateWindow(m_window);
    m_recent = std::make_unique<FFolderList>(m_window, m_tray.menuFont());
    m_favorites = std::make_unique<FFolderList>(m_window, m_tray.menuFont());
    m_special = std::make_unique<FFolderList>(m_window, m_tray.menuFont());

    m_tray.requests().setHandler(RequestCode::RunFileOperationMenu, [this](const TrayRequest&) -> std::intptr_t {
        showMenu(m_tray.items().items());
        return 1;
    });
}

FFopWin::~FFopWin() {
    m_tray.requests().setHandler(RequestCode::RunFileOperationMenu, nullptr);
    m_recent.reset();
    m_favorites.reset();
    m_special.reset();
    if (m_window) {
        HWND window = m_window;
        detachWindow();
        DestroyWindow(window);
    }
    s_instance = nullptr;
}

LRESULT FFopWin::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_requestMessage && message == m_requestMessage) {
        if (wParam == toWParam(RequestCode::FileOperation))
            onFileOperation(lParam);
        return 1;
    }
    switch (message) {
    case WM_MEASUREITEM:
        return onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
        return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

// The request is posted by the menu through the window's message queue, which any process can
// reach: only the choice the menu itself made is carried out, and only once.
void FFopWin::onFileOperation(LPARAM id) {
    if (!m_pending || static_cast<LPARAM>(m_pending->id) != id)
        return;
    Pending pending = std::move(*m_pending);
    m_pending.reset();
    run(pending.snapshot, pending.id);
}

FFolderList* FFopWin::listOf(int listNumber) const {
    switch (listNumber) {
    case kRecentList:
        return m_recent.get();
    case kFavoritesList:
        return m_favorites.get();
    case kSpecialList:
        return m_special.get();
    default:
        return nullptr;
    }
}

// Item data is signed: the header's -1 is list number 0, as -1 / 1000 is.
LRESULT FFopWin::onMeasureItem(MEASUREITEMSTRUCT& item) {
    const auto data = static_cast<std::intptr_t>(item.itemData);
    const SIZE iconSize{m_iconWidth, m_iconHeight};
    std::wstring text;
    MenuEntryLook look{nullptr, m_tray.settings().folderIcon, iconSize};
    if (data == kFopHeaderItemData) {
        text = m_headerText;
        look.iconRoom = true;
    } else if (const auto entry = entryOfItemData(data)) {
        if (const FFolderList* list = listOf(entry->list); list && list->holds(entry->index))
            text = list->text(entry->index);
    }
    item.itemWidth = static_cast<UINT>(menuEntryWidth(m_recent ? m_recent->dc() : nullptr, text, look));
    item.itemHeight = static_cast<UINT>(m_entryHeight);
    return 1;
}

LRESULT FFopWin::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (!item.hDC)
        return 0;
    const auto data = static_cast<std::intptr_t>(item.itemData);
    const SIZE iconSize{m_iconWidth, m_iconHeight};
    if (data == kFopHeaderItemData) {
        drawMenuEntry(item, {m_headerIcon.get(), true, iconSize}, m_headerText);
        return 1;
    }
    const auto entry = entryOfItemData(data);
    const FFolderList* list = entry ? listOf(entry->list) : nullptr;
    if (!list || !list->holds(entry->index))
        return 1;
    const bool highlighted = (item.itemState & ODS_SELECTED) != 0;
    HICON icon = highlighted ? list->openIcon(entry->index) : list->closedIcon(entry->index);
    drawMenuEntry(item, {icon, m_tray.settings().folderIcon, iconSize}, list->text(entry->index));
    return 1;
}

std::wstring FFopWin::fromNative(const std::wstring& path) const {
    return fromNativeSystemFolder(path, m_nativeSystem, m_system, textPlatform());
}

bool FFopWin::isDesktop(const std::wstring& folder) const {
    return !m_desktop.empty() && samePath(folder, m_desktop, textPlatform());
}

} // namespace pvn
