#pragma once
// The drive menu's letters and item texts.
#include "menu/MenuLayout.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pvn {

inline constexpr std::size_t kMaxDriveLetters = 26;

// "all" becomes the first letters of GetLogicalDriveStringsW's list ("c:\", "d:\", ...), lower-cased
// by the caller, at most 26; any other text is the letters themselves.
std::wstring driveLetters(const std::wstring& setting, const std::vector<std::wstring>& logicalRoots);

// A remote drive's label from its connection name: "share in server" for \\server\share, nothing
// when the name has no backslash after position 2.
std::optional<std::wstring> remoteDriveLabel(const std::wstring& remoteName);

// "c:" followed by "[label]" when the label is not empty.
std::wstring driveItemText(wchar_t letter, const std::wstring& label);

struct DriveProbe {
    // The drive type allows a menu (not unknown, not "no root directory").
    std::function<bool(const std::wstring& root)> exists;
    // The bracketed label: connection name of a remote drive (letter and colon when that fails),
    // otherwise the volume name.
    std::function<std::wstring(const std::wstring& root)> label;
};

// One entry per existing drive, in the order of the letters.
std::vector<DriveEntry> driveEntries(const std::wstring& letters, const DriveProbe& probe,
                                     const std::function<std::wstring(std::wstring_view)>& lowerCase);

} // namespace pvn
