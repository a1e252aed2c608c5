#pragma once
// Tab and the right button on an entry of the recent and favourites menus.
//
// Windows reports both to the menu's owner (WM_MENUCHAR with 9, WM_MENURBUTTONUP); some systems
// that run Windows programs send neither during TrackPopupMenuEx. These hooks see the key and the
// button inside the menu loop on every system and take the message away from the menu, so the
// owner's own handlers never see the same key or click a second time. The action itself runs
// later, when the menu loop dispatches the owner's wake-up message: a box shown inside the hook
// would run its own loop while the menu still holds the button message, and see it again.
#include "common/MenuWindow_win.h"

#include <windows.h>

namespace pvn {

class MenuInputHooks {
public:
    enum class Input { None, Tab, RightButton };

    // Posts `wakeMessage` to `owner` when a Tab or a right button release is taken.
    MenuInputHooks(HWND owner, UINT wakeMessage);
    ~MenuInputHooks();
    MenuInputHooks(const MenuInputHooks&) = delete;
    MenuInputHooks& operator=(const MenuInputHooks&) = delete;

    // The input taken since the last call, once; None for a wake-up that no hook posted.
    static Input takePending();

private:
    static LRESULT CALLBACK messageFilter(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK mouse(int code, WPARAM wParam, LPARAM lParam);
    void take(Input input);

    HWND m_owner;
    UINT m_wakeMessage;
    MenuHooks m_hooks;
    MenuInputHooks* m_outer = nullptr;
};

} // namespace pvn
