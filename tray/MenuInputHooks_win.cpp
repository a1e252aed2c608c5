#include "tray/MenuInputHooks_win.h"

namespace pvn {
namespace {

// Menus nest (a hot key can open a second menu while one runs): the innermost hooks act.
MenuInputHooks* g_active = nullptr;

bool isMenuWindow(HWND window) {
    wchar_t name[16] = {};
    return window && GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32768") == 0;
}

} // namespace

MenuInputHooks::MenuInputHooks(std::function<bool()> onTab, std::function<bool()> onRightButtonUp)
    : m_onTab(std::move(onTab)), m_onRightButtonUp(std::move(onRightButtonUp)), m_outer(g_active) {
    g_active = this;
    const DWORD thread = GetCurrentThreadId();
    m_filterHook = SetWindowsHookExW(WH_MSGFILTER, messageFilter, nullptr, thread);
    m_mouseHook = SetWindowsHookExW(WH_MOUSE, mouse, nullptr, thread);
}

MenuInputHooks::~MenuInputHooks() {
    if (m_mouseHook)
        UnhookWindowsHookEx(m_mouseHook);
    if (m_filterHook)
        UnhookWindowsHookEx(m_filterHook);
    g_active = m_outer;
}

LRESULT CALLBACK MenuInputHooks::messageFilter(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    MenuInputHooks* self = g_active;
    if (self && code == MSGF_MENU && msg && msg->message == WM_CHAR && msg->wParam == L'\t' && self->m_onTab())
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MenuInputHooks::mouse(int code, WPARAM wParam, LPARAM lParam) {
    MenuInputHooks* self = g_active;
    // The hook runs once when the menu peeks at the message and once when it takes it; only the
    // second one counts.
    if (self && code == HC_ACTION && (wParam == WM_RBUTTONUP || wParam == WM_NCRBUTTONUP)) {
        const auto* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        if (info && isMenuWindow(WindowFromPoint(info->pt)) && self->m_onRightButtonUp())
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace pvn
