#pragma once
// Paths that need the system: special folders, existence, short names, the process command line.
#include "common/CommandLine.h"

#include <windows.h>

#include <optional>
#include <string>

namespace pvn {

inline constexpr int kCurrentDirectory = -1;

// SHGetSpecialFolderLocation and SHGetPathFromIDListW, or the current directory for
// kCurrentDirectory; a failure is reported and gives nothing.
std::optional<std::wstring> specialFolderPath(int csidl);

// The folder of the running program's own file (where the deliverables were unpacked), whatever
// folder it was started in.
std::wstring programFolder();

// GetFileAttributesW: also true for drive roots and \\server\share, which FindFirstFileW misses.
bool pathExists(const std::wstring& path);
bool folderExists(const std::wstring& path);

// GetShortPathNameW, reported as "GetShortPathName" when it fails.
std::optional<std::wstring> shortPathName(const std::wstring& path);

// The file a module (the program itself by default) was loaded from; empty when the call fails.
std::wstring modulePath(HMODULE module = nullptr);

// The process's own command line, split.
CommandLine splitProcessCommandLine();

} // namespace pvn
