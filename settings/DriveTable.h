#pragma once
// The drive page's model: how a drive is labelled and shown, and the drive-menu list's edits, apart
// from the list boxes that show them.
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

// A network drive's label from its connection's remote name "\\server\share": "share in server";
// a remote name of another form (or none) gives the drive name itself ("x:").
std::wstring networkDriveLabel(std::wstring_view remoteName, std::wstring_view driveName);

// "c:\" and, when the label is not empty, "[label]".
std::wstring driveDisplayText(std::wstring_view root, std::wstring_view label);

// The text of a drive-menu entry whose drive is not present now.
std::wstring missingDriveText(wchar_t letter);

// Inserts each of `letters` the menu does not hold yet, in their order, before position `before`
// (at the end when it is outside the menu); returns the new menu.
std::wstring insertDrives(std::wstring_view menu, std::wstring_view letters, int before);

// The table index + 1 of the drive with the letter (the list's item data), 0 when not present.
int driveItemData(const std::vector<wchar_t>& presentLetters, wchar_t letter);

} // namespace pvn
