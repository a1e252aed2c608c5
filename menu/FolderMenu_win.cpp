#include "menu/FolderMenu_win.h"

#include "MainResource.h"
#include "menu/MainMessages_win.h"
#include "menu/MenuItemCode.h"
#include "menu/PhaseMark_win.h"

#include "common/ErrorBox_win.h"
#include "common/MenuWindow_win.h"
#include "common/Paths.h"
#include "common/RequestCode.h"
#include "common/Settings_win.h"
#include "common/TraySender_win.h"

namespace pvn {

FolderMenu* FolderMenu::s_current = nullptr;

FolderMenu::FolderMenu(MainContext& context, const std::wstring& path, const RegKey& settings)
    : m_context(context), m_path(path) {
    s_current = this;
    markPhase("monitors");
    checkHr(m_ole.emplace().result(), "OleInitialize");
    checkHr(SHGetDesktopFolder(m_desktop.put()), "SHGetDesktopFolder");
    markPhase("ole");

    createFont();
    markPhase("font");
    readOptions(settings);
    m_options.installDir = stripQuotes(m_options.installDir);
    m_iconWidth = GetSystemMetrics(SM_CXSMICON);
    m_iconHeight = GetSystemMetrics(SM_CYSMICON);
    m_itemHeight = m_iconHeight + 3;

    if (m_options.posFix)
        SetCursorPos(10, 10);
    if (m_options.posFix)
        m_startPoint = {10, 10};
    else
        GetCursorPos(&m_startPoint);
    m_menuPoint = m_startPoint;
    if (m_options.openShift) {
        m_menuPoint.x -= m_itemHeight / 2;
        m_menuPoint.y -= m_itemHeight / 2;
    }
    m_column =
        ColumnTracker(overflowModeFromSetting(m_options.menuOverFlow), m_monitors.monitorHeightAtCursor(),
                      m_itemHeight, static_cast<int>(m_options.menuSepHeight));
    createWindow();
    markPhase("window");

    m_root = newPopup();
    m_columnMenu = m_root;
    m_table.add(m_path, static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(m_root)));
    m_lastSelectable = 0;
    if (m_path.empty())
        fillDriveMenu(m_root);
    else
        fillFolderMenu(m_path, m_root);
    appendAbout();
    markPhase("menu");
}

FolderMenu::~FolderMenu() {
    writeLastMenuItem();
    m_tooltip.reset();
    for (auto menu = m_menus.rbegin(); menu != m_menus.rend(); ++menu)
        if (IsMenu(*menu))
            DestroyMenu(*menu);
    m_menus.clear();
    if (m_font)
        check(DeleteObject(m_font.release()), "DeleteObject");
    if (m_window) {
        check(DestroyWindow(m_window), "DestroyWindow");
        m_window = nullptr;
    }
    m_desktop.reset();
    m_ole.reset();
    s_current = nullptr;
}

void FolderMenu::readOptions(const RegKey& settings) {
    MenuOptions& o = m_options;
    const SettingVariable variables[] = {
        {SettingId::IncludeHidden, &o.includeHidden}, {SettingId::PosFix, &o.posFix},
        {SettingId::OpenShift, &o.openShift},         {SettingId::Order, &o.order},
        {SettingId::FolderIcon, &o.folderIcon},       {SettingId::FileNum, &o.fileNum},
        {SettingId::FileUpside, &o.fileUpside},       {SettingId::FHistory, &o.fHistory},
        {SettingId::FTogether, &o.fTogether},         {SettingId::MenuOverFlow, &o.menuOverFlow},
        {SettingId::ToolTipOn, &o.toolTipOn},         {SettingId::SFolSingle, &o.sFolSingle},
        {SettingId::MenuSepHeight, &o.menuSepHeight}, {SettingId::InstallDir, &o.installDir},
    };
    readSettingVariables(settings, variables);
}

void FolderMenu::createFont() {
    m_font = createMenuFont();
}

void FolderMenu::createWindow() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = m_context.instance;
    wc.hIcon = LoadIconW(m_context.instance, MAKEINTRESOURCEW(IDI_PROGRAM));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    registerWindowClass(wc);
    CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST, kWindowClass, L"PVNMain.exe",
                    WS_POPUP, m_startPoint.x - 55, m_startPoint.y - 55, 111, 111, nullptr, nullptr,
                    m_context.instance, creationParameter());
    if (!check(m_window != nullptr, "CreateWindowEx"))
        return;
    ShowWindow(m_window, SW_SHOW);
    UpdateWindow(m_window);
}

void FolderMenu::prepareTooltip(const RegKey& settings) {
    const SettingVariable variables[] = {{SettingId::TTFName, &m_tooltipFace},
                                         {SettingId::TTFPoint10, &m_tooltipPoints}};
    readSettingVariables(settings, variables);
}

LRESULT FolderMenu::sendToTray(const RequestPayload& request) const {
    return TraySender(m_context.tray).answer(request);
}

void FolderMenu::writeLastMenuItem() const {
    if (!m_table.contains(m_lastSelectable))
        return;
    RegKey key = openSettingsForWriting();
    if (key.isOpen())
        key.writeString(settingName(SettingId::LastMenuItem), pathOf(m_lastSelectable));
}

LRESULT FolderMenu::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == m_context.message && m_context.message != 0) {
        switch (static_cast<RequestCode>(wParam)) {
        case RequestCode::RunMenu:
            runMenu();
            m_context.closing = true;
            PostMessageW(m_window, WM_CLOSE, 0, 0);
            return 0;
        case RequestCode::OpenHighlightedFolder:
            openHighlightedFolder();
            return 0;
        case RequestCode::CursorToFirstItem:
            cursorToFirstItem();
            return 0;
        default:
            return 0;
        }
    }
    switch (message) {
    case kRightButtonMessage:
        hideTooltip();
        contextMenuForHighlighted(false);
        return 0;
    case WM_ENTERMENULOOP:
        if (m_options.openShift)
            PostMessageW(m_window, m_context.message, toWParam(RequestCode::CursorToFirstItem), 0);
        return 0;
    case WM_MENUSELECT:
        onMenuSelect(wParam, lParam);
        return 0;
    case WM_ENTERIDLE:
        if (wParam == MSGF_MENU && m_options.toolTipOn && !m_tooltip)
            createTooltip();
        return 0;
    case WM_MEASUREITEM:
        return onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
        return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_MENUCHAR:
        return onMenuChar(LOWORD(wParam), reinterpret_cast<HMENU>(lParam));
    case WM_MENURBUTTONUP:
        hideTooltip();
        contextMenuForHighlighted(false);
        return 0;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

} // namespace pvn
