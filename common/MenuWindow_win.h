#pragma once
// What the folder menu and the tray share about the system's pop-up menus: the class of a menu's
// window, the menu font, and the thread hooks that watch a menu's loop.
#include "common/Handle_win.h"

#include <windows.h>

namespace pvn {

inline constexpr wchar_t kMenuWindowClass[] = L"#32768";

bool isMenuWindow(HWND window);

// The menu font of the non-client metrics, asked with the 500-byte structure (without its last
// member), which every system accepts. A failed call is reported and gives no font (the caller's
// default).
UniqueFont createMenuFont();

// A mouse hook and a message-filter hook on the calling thread, for the length of a menu loop.
// Either is empty when the system refused it.
struct MenuHooks {
    UniqueHook filter;
    UniqueHook mouse;
};
MenuHooks hookMenuLoop(HOOKPROC mouse, HOOKPROC filter);

} // namespace pvn
