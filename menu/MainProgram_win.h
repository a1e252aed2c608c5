#pragma once
#include <windows.h>

namespace pvn {

// PVNMain from start to exit: 1 when the settings key cannot be opened, otherwise 0.
int runMainProgram(HINSTANCE instance);

} // namespace pvn
