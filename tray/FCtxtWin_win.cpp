#include "tray/FCtxtWin_win.h"

#include "common/CriticalErrorMode_win.h"
#include "common/ErrorBox_win.h"
#include "common/MessagePump_win.h"
#include "common/Paths.h"
#include "tray/FTray_win.h"
#include "common/Foreground_win.h"
#include "tray/ItemCommand.h"
#include "tray/ShellItemMenu_win.h"

#include <utility>

namespace pvn {

FCtxtWin* FCtxtWin::s_instance = nullptr;

namespace {

constexpr wchar_t kContextWindowClass[] = L"PVNCTXTWINCLASS";

} // namespace

FCtxtWin::FCtxtWin(FTray& tray) : m_tray(tray) {
    s_instance = this;
    checkHr(SHGetDesktopFolder(m_desktop.put()), "SHGetDesktopFolder");
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowBase::windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kContextWindowClass;
    if (registerWindowClass(windowClass) &&
        check(CreateWindowExW(WS_EX_TOOLWINDOW, kContextWindowClass, L"Parvane", WS_POPUP, 0, 0, 1, 1,
                              tray.window(), nullptr, instance, static_cast<WindowBase*>(this)) != nullptr,
              "CreateWindowEx"))
        ShowWindow(m_window, SW_SHOWNORMAL);
    tray.requests().setHandler(RequestCode::ItemContextMenu,
                               [this](const TrayRequest& request) { return onRequest(request); });
}

FCtxtWin::~FCtxtWin() {
    m_tray.requests().setHandler(RequestCode::ItemContextMenu, nullptr);
    if (m_window)
        DestroyWindow(m_window);
    s_instance = nullptr;
}

std::intptr_t FCtxtWin::onRequest(const TrayRequest& request) {
    m_tray.setItems(request.items);
    const POINT at{request.point ? request.point->x : 0, request.point ? request.point->y : 0};
    return showMenu(itemEntry(request.items, 0), at);
}

std::intptr_t FCtxtWin::showMenu(const std::optional<std::wstring>& item, POINT at) {
    if (m_active || !m_desktop || !m_window)
        return kContextNothingChosen;
    m_active = true;
    struct Inactive {
        bool& flag;
        ~Inactive() { flag = false; }
    } inactive{m_active};

    const std::wstring path = item.value_or(L"");
    const std::wstring workingFolder = parentFolder(path);
    // A drive without a medium would otherwise ask the user to insert one while its menu is built.
    const CriticalErrorsOff errorMode(isDriveRoot(path));
    const auto menu = ShellItemMenu::bind(*m_desktop.get(), path, m_window);
    if (!menu)
        return kContextNothingChosen;
    UniqueMenu popup(CreatePopupMenu());
    if (!popup || !menu->fill(popup.get()))
        return kContextNothingChosen;

    SetWindowPos(m_window, nullptr, at.x, at.y, 1, 1, SWP_NOZORDER | SWP_NOACTIVATE);
    dispatchPendingMessages();
    forceForeground(m_window);
    m_shown = &*menu;
    const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
        popup.get(), TPM_NOANIMATION | TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, m_window, nullptr));
    m_shown = nullptr;

    std::intptr_t answer = kContextNothingChosen;
    if (chosen >= kFirstShellCommand) {
        // Which command was chosen is asked of the menu: its position differs between systems.
        answer = menu->verbOf(chosen) == L"delete" ? kContextDeleteChosen : kContextCommandRan;
        menu->invoke(chosen, m_window, workingFolder);
    }
    popup.reset();
    EndMenu();
    return answer;
}

bool FCtxtWin::invokeVerb(const std::wstring& item, std::wstring_view verb, HWND window) {
    return m_desktop && SUCCEEDED(invokeItemVerb(*m_desktop.get(), item, verb, window));
}

LRESULT FCtxtWin::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITMENUPOPUP:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_MENUCHAR:
        if (m_shown)
            if (auto result = m_shown->handleMenuMessage(message, wParam, lParam))
                return *result;
        break;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

} // namespace pvn
