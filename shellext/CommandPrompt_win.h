#pragma once
#include <windows.h>

#include <string>

namespace pvn::shellext {

// cmd.exe from the system folder, "/k", in the folder, normal window. A refused start is reported as
// "ShellExecute" with its result; false then.
bool startCommandPrompt(const std::wstring& folder, HWND owner);

} // namespace pvn::shellext
