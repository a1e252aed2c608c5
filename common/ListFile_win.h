#pragma once
// The recent-folder and favourites list files in the user's application-data folder.
#include <optional>
#include <string>
#include <vector>

namespace pvn {

inline constexpr wchar_t kListFolder[] = L"Morrick";
inline constexpr wchar_t kRecentListName[] = L"PVNRecent.lst";
inline constexpr wchar_t kFavoritesListName[] = L"PVNFavorites.lst";

// <application data>\Morrick\<name>; nothing when the folder is unknown (already reported).
std::optional<std::wstring> listFilePath(const wchar_t* name);
std::optional<std::wstring> recentListPath();
std::optional<std::wstring> favoritesListPath();

// Appends one line to the recent list with a single write; an empty path appends nothing. The
// folder is not created. Failures are reported; returns whether the line was written.
bool AppendRecentFolder(const std::wstring& path);

// The lines in file order; a file that cannot be opened is reported and reads as empty.
std::vector<std::wstring> readListFile(const std::wstring& path);
// The same, but nothing (after the report) when the file could not be opened, so that a rewrite
// can leave alone a file it never saw.
std::optional<std::vector<std::wstring>> readListFileChecked(const std::wstring& path);

// Replaces the whole file; returns whether it was opened and written.
bool writeListFile(const std::wstring& path, const std::vector<std::wstring>& lines);

} // namespace pvn
