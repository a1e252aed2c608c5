#pragma once
// The names every program uses to reach the tray: the registered request message, the tray's window
// class and the shared section that carries a request's data.
#include <windows.h>

namespace pvn {

inline constexpr wchar_t kRequestMessageName[] = L"PVNMESSAGE";
inline constexpr wchar_t kTrayWindowClass[] = L"PVNTRAYWINCLASS";
inline constexpr wchar_t kRequestSectionName[] = L"PVN_CurDirFile";

// RegisterWindowMessageW("PVNMESSAGE"), once per process; 0 while registering fails.
UINT requestMessage();

// The window exists and is of the tray's class. A stored handle outlives the tray, and Windows hands
// the number out again: it may now be some other program's window.
bool isTrayWindow(HWND window);

} // namespace pvn
