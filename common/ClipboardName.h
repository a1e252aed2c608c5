#pragma once
// The text that copying an item's name puts on the clipboard: the shell extension's
// "PVN Name to Clip.(&N)" and the tray's "cliptoname" command.
#include <string>
#include <string_view>

namespace pvn {

enum class NameQuoting {
    WhenBlank, // the extension: a path with a blank pastes as one command-line argument
    Never,     // the tray's command: the path as it is
};

// With every backslash doubled on request (Shift held), for pasting into source text.
std::wstring clipboardName(std::wstring_view path, bool doubleBackslashes,
                           NameQuoting quoting = NameQuoting::WhenBlank);

} // namespace pvn
