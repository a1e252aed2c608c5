#pragma once
// What the tray program does for the argument text of its command line.
#include <string>
#include <string_view>

namespace pvn {

enum class TrayMode {
    Resident,  // no argument: stays until told to close
    Recent,    // "recent": the recent-folder menu, then ends
    Favorites, // "favorites"
    Last,      // "last": opens the most recent folder
    LastMenu,  // "lastmenu": re-opens the last folder menu
    Refused,   // anything else
};

// Whole text, case-sensitive: "Recent" is refused.
TrayMode parseTrayMode(std::wstring_view arguments);

// One instance per argument text, so that a command-line run can start beside the resident tray.
// The resident instance's name ends in a blank.
std::wstring trayMutexName(std::wstring_view arguments);

inline constexpr wchar_t kDoubleStartMessage[] = L"２重に起動はできません";
inline constexpr wchar_t kWrongArgumentMessage[] = L"引数がまちがっています";

} // namespace pvn
