#pragma once
// Tab and the right button on an entry of the recent and favourites menus.
//
// Windows reports both to the menu's owner (WM_MENUCHAR with 9, WM_MENURBUTTONUP); some systems
// that run Windows programs send neither during TrackPopupMenuEx. These hooks see the keys and
// buttons inside the menu loop on every system and take the message away from the menu once they
// acted on it, so the owner's own handlers never see the same key or click a second time.
#include <windows.h>

#include <functional>

namespace pvn {

class MenuInputHooks {
public:
    // Each returns true when it acted (the menu then never sees the key or the button).
    MenuInputHooks(std::function<bool()> onTab, std::function<bool()> onRightButtonUp);
    ~MenuInputHooks();
    MenuInputHooks(const MenuInputHooks&) = delete;
    MenuInputHooks& operator=(const MenuInputHooks&) = delete;

private:
    static LRESULT CALLBACK messageFilter(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK mouse(int code, WPARAM wParam, LPARAM lParam);

    std::function<bool()> m_onTab;
    std::function<bool()> m_onRightButtonUp;
    HHOOK m_filterHook = nullptr;
    HHOOK m_mouseHook = nullptr;
    MenuInputHooks* m_outer = nullptr;
};

} // namespace pvn
