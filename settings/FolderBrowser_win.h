#pragma once
// The shell's folder browser for one file-system folder.
#include <windows.h>

#include <optional>
#include <string>

namespace pvn {

// Opens with `title` above the tree and `start` selected (the desktop when it is empty); the chosen
// folder's path, nothing on cancel.
std::optional<std::wstring> browseForFolder(HWND owner, const wchar_t* title, const std::wstring& start);

} // namespace pvn
