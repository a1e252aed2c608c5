#pragma once
// The text "PVN Name to Clip.(&N)" puts on the clipboard for a path.
#include <string>
#include <string_view>

namespace pvn {

// In double quotes when the path contains a blank, so that it pastes as one argument; with every
// backslash doubled on request (Shift held), for pasting into source text.
std::wstring clipboardName(std::wstring_view path, bool doubleBackslashes);

} // namespace pvn
