#pragma once
#include <windows.h>

namespace pvn {

// A menu of a background program closes at the first click elsewhere only when its owner is in the
// foreground. When another window is in front, the program joins that window's input for the moment of
// the switch, which Windows otherwise refuses to a program the user is not working with.
void forceForeground(HWND window);

} // namespace pvn
