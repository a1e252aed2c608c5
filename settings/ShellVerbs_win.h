#pragma once
// The shell verb on folders and drives under HKEY_CURRENT_USER\Software\Classes: registering it for
// a start type, and the start type the registration shows.
#include <windows.h>

#include <cstdint>
#include <string>

namespace pvn {

// Carries out the plan of ShellVerbs.h. A start type that adds a verb needs an installation folder
// holding PVNMain.exe: otherwise a Japanese message, nothing is changed, and the result is false.
bool registerVerbs(std::uint32_t startType, const std::wstring& installFolder, HWND owner = nullptr);

// As HKEY_CLASSES_ROOT shows it on Windows: the user's classes first, then the machine's.
std::uint32_t registeredStartType();

} // namespace pvn
