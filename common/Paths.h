#pragma once
// Path text operations. They work on the text alone and never fail.
#include <functional>
#include <string>
#include <string_view>

namespace pvn {

// Exactly three characters: a letter, ':' and '\'.
bool isDriveRoot(std::wstring_view path);
// One backslash between them, none after a drive root.
std::wstring joinPath(std::wstring_view folder, std::wstring_view name);
// Text before the last backslash (c:\ for c:\x); empty without a backslash.
std::wstring parentFolder(std::wstring_view path);
// Text after the last backslash, or the whole path.
std::wstring fileName(std::wstring_view path);
// Text after the last dot of the file name, or empty.
std::wstring extension(std::wstring_view path);
// Removes the surrounding double quotes of a text that begins with one; a missing closing quote
// costs no character.
std::wstring stripQuotes(std::wstring_view text);
// Removes leading and trailing blanks (spaces and tabs).
std::wstring trim(std::wstring_view text);

// Width of a text in the caller's font; the caller reports a failed measurement.
using TextWidth = std::function<int(std::wstring_view text)>;

inline constexpr wchar_t kInvalidFileName[] = L"不正なファイル名";

// The path itself when narrower than the width; otherwise the drive root or \\server\share\ and
// "...\" in place of as many leading folders as needed; "...\" and the last component alone when
// even that does not fit after the head.
std::wstring shortenPathToWidth(const std::wstring& path, int width, const TextWidth& measure);

} // namespace pvn
