#pragma once
// PVNMain's messages to its own window besides the "PVNMESSAGE" codes 1, 2 and 12.
#include <windows.h>

namespace pvn {

// Posted by the mouse hook for a right-button release over the menu, which the hook keeps from the
// menu: the item context menu then runs once, whether or not the system sends WM_MENURBUTTONUP.
inline constexpr UINT kRightButtonMessage = WM_APP + 1;

} // namespace pvn
