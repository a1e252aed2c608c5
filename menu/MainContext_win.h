#pragma once
// What PVNMain learns once at start and every part of the menu reads.
#include <windows.h>

#include <string>

namespace pvn {

struct MainContext {
    HINSTANCE instance = nullptr;
    // The Explorer window ("CabinetWClass") in the foreground at start, for OrgClose.
    HWND explorer = nullptr;
    HWND tray = nullptr;
    bool orgClose = false;
    std::wstring drive; // at most 26 letters, or "all"
    std::wstring filer0, filer1, filer2;
    UINT message = 0; // "PVNMESSAGE"
    // The menu has been dismissed: late requests to open a folder are ignored.
    bool closing = false;
};

} // namespace pvn
