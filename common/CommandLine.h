#pragma once
// Splitting a command line into the program and its arguments, as every program of the system
// reads its own command line and the user's filer commands.
#include <string>
#include <string_view>

namespace pvn {

struct CommandLine {
    std::wstring program;   // without quotes
    std::wstring arguments; // trimmed
};

// A quoted program ends at the next quote (or at the end when none follows); otherwise the program
// ends at the first blank.
CommandLine splitCommandLine(std::wstring_view text);

} // namespace pvn
