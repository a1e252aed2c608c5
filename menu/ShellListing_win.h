#pragma once
// Listing a folder through the shell namespace, and the quick checks made before a listing.
#include "menu/FolderListing.h"

#include "common/Handle_win.h"

#include <shlobj.h>

#include <optional>
#include <string>

namespace pvn {

class ShellListing {
public:
    explicit ShellListing(IShellFolder* desktop) : m_desktop(desktop) {}

    // The folder's entries, sorted; empty for a path that cannot be parsed, bound or enumerated, and
    // for virtual folders.
    FolderContents list(const std::wstring& path, bool includeHidden, SortOrder order) const;

private:
    bool shouldEnumerate(const std::wstring& path, PCIDLIST_ABSOLUTE pidl) const;

    IShellFolder* m_desktop;
};

// FindFirstFileW on path\* succeeds or finds nothing; critical-error boxes are suppressed for drive
// roots (a drive without a medium).
bool folderAccessible(const std::wstring& path);

// At least one entry (besides "." and "..") with the directory attribute.
bool hasSubFolder(const std::wstring& path);

// The key of lstrcmpW's order (the thread locale's word sort): LCMapStringW's sort key, whose byte
// order is CompareStringW's.
std::string collationKey(const std::wstring& text);

// CharLowerBuffW.
std::wstring lowerCase(std::wstring_view text);

// The text of a STRRET as SHGDN_FORPARSING gives it, freeing what it owns; nothing for a form
// that is not known.
std::optional<std::wstring> strretText(STRRET& ret, PCUITEMID_CHILD item);

} // namespace pvn
