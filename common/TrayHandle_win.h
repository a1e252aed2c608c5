#pragma once
// "PVNTrayHandle": the tray's window handle in the settings key, so that the other programs can find
// it. Stored as a REG_DWORD; window handles are significant in their low 32 bits and are
// sign-extended back, so 32-bit and 64-bit programs agree on the value.
#include "common/RegKey_win.h"
#include "common/SettingsTable.h"

#include <windows.h>

#include <optional>

namespace pvn {

DWORD trayHandleToDword(HWND window);
HWND trayHandleFromDword(DWORD value);

// Missing, or not a REG_DWORD: nothing. The handle may be stale (the tray never clears it).
std::optional<HWND> readTrayHandle(const RegKey& settings);
// Opens the settings key for reading first.
std::optional<HWND> readTrayHandle();
bool writeTrayHandle(RegKey& settings, HWND tray);

} // namespace pvn
