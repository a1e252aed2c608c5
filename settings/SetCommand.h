#pragma once
// The command word of PVNSet: the argument string chooses one of its uses.
#include <cstdint>
#include <string>
#include <string_view>

namespace pvn {

enum class SetCommandKind {
    Install,      // no word: the installation dialog
    Settings,     // "set"
    Edit,         // "edit": the recent and favourite folders editor
    NotExist,     // "notexist": missing folders out of the recent list
    About,        // "about"
    AllUninstall, // "alluninstall"
    StartType,    // "starttype" and a start type: the shell verbs registered again
    Unknown,      // "引数がまちがっています。"
};

struct SetCommand {
    SetCommandKind kind = SetCommandKind::Unknown;
    std::uint32_t startType = 0;
};

inline constexpr wchar_t kStartTypeWord[] = L"starttype";

// Exact and case-sensitive. "starttype" must open the string and be followed by nothing but the
// decimal digits of a start type the shell registration knows (0, 1 or 2): a larger number would
// register verbs no page can show.
SetCommand parseSetCommand(std::wstring_view arguments);

// The named mutex that keeps one instance per argument string.
std::wstring instanceMutexName(std::wstring_view arguments);

} // namespace pvn
