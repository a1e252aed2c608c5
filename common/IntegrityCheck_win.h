#pragma once
#include <windows.h>

namespace pvn {

// Checks the file the given module (the calling program or DLL by default) was loaded from; a changed
// or unsealed file shows why in the common box and returns false, and the program must stop.
bool verifyOwnFile(HMODULE module = nullptr);

} // namespace pvn
