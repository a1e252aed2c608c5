#include "tray/MenuInputHooks_win.h"

#include "common/MenuWindow_win.h"

#include <utility>

namespace pvn {
namespace {

// Menus nest (a hot key can open a second menu while one runs): the innermost hooks act.
MenuInputHooks* g_active = nullptr;
MenuInputHooks::Input g_pending = MenuInputHooks::Input::None;

} // namespace

MenuInputHooks::MenuInputHooks(HWND owner, UINT wakeMessage)
    : m_owner(owner), m_wakeMessage(wakeMessage), m_outer(g_active) {
    g_active = this;
    g_pending = Input::None;
    m_hooks = hookMenuLoop(mouse, messageFilter);
}

MenuInputHooks::~MenuInputHooks() {
    m_hooks = {};
    g_active = m_outer;
    g_pending = Input::None;
}

MenuInputHooks::Input MenuInputHooks::takePending() { return std::exchange(g_pending, Input::None); }

void MenuInputHooks::take(Input input) {
    if (g_pending == Input::None)
        PostMessageW(m_owner, m_wakeMessage, 0, 0);
    g_pending = input;
}

LRESULT CALLBACK MenuInputHooks::messageFilter(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (g_active && code == MSGF_MENU && msg && msg->message == WM_CHAR && msg->wParam == L'\t') {
        g_active->take(Input::Tab);
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MenuInputHooks::mouse(int code, WPARAM wParam, LPARAM lParam) {
    // The hook runs once when the menu peeks at the message and once when it takes it; only the
    // second one counts.
    if (g_active && code == HC_ACTION && (wParam == WM_RBUTTONUP || wParam == WM_NCRBUTTONUP)) {
        const auto* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        if (info && isMenuWindow(WindowFromPoint(info->pt))) {
            g_active->take(Input::RightButton);
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace pvn
