#pragma once
// The decisions of a file operation that need no system: names, targets, the folder dialog's
// titles, the shell's path lists, the special folders and what follows a finished operation.
#include "tray/FileOpMenu.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

class ITextPlatform;

// "<name>へのショートカット.lnk"; a drive root "<letter>ドライブへのショートカット.lnk".
std::wstring shortcutName(std::wstring_view item);

// Why a typed new name cannot be a file name in the item's folder, or nothing when it can. A
// separator would move the item, other reserved characters fail in the shell obscurely, and the
// system drops a trailing blank or dot.
std::optional<std::wstring> renameNameProblem(std::wstring_view name);
// A name with a dot whose extension differs (case-sensitively) from the item's asks first.
bool renameChangesExtension(std::wstring_view item, std::wstring_view newName);

// Where one item's operation sends it: `shellDestination` is what the shell is given (the folder
// for a copy or move, so that an existing folder of the same name there is not entered; the new
// path for a rename; the link file for a shortcut), `newItem` where the item then is. `folder` is
// the destination folder (unused for a rename), `newName` the rename's typed name.
struct SingleOpTarget {
    std::wstring shellDestination;
    std::wstring newItem;
    friend bool operator==(const SingleOpTarget&, const SingleOpTarget&) = default;
};
SingleOpTarget singleOpTarget(FopCode code, std::wstring_view item, std::wstring_view folder,
                              std::wstring_view newName);

// The folder dialog's title for one item's name or the first of several items; nothing for an
// operation the dialog does not serve ("illegal wFunc").
std::optional<std::wstring> folderDialogTitle(FopCode code, std::wstring_view subject, bool severalItems);

// Paths as SHFileOperationW takes them: each followed by a NUL, then one more NUL.
std::wstring shellPathList(const std::vector<std::wstring>& paths);
// The multi-item destination: a folder with its trailing backslash.
std::wstring withTrailingBackslash(std::wstring_view folder);

// Case-insensitive equality, as the shell compares paths.
bool samePath(const std::wstring& a, const std::wstring& b, const ITextPlatform& text);

// The special folders in menu order, with the texts shown. `systemPath` is where operations go
// for "システム" (the 32-bit program's way through WOW64 to the real system folder, "sysnative");
// the icon stays that of `system`.
struct SpecialFolderEntry {
    int csidl = 0;
    const wchar_t* text = nullptr;
};
// SysWOW64 exists on every 64-bit Windows: in a 64-bit program, or a 32-bit one under WOW64.
std::vector<SpecialFolderEntry> specialFolderEntries(bool programIs64Bit, bool wow64);
// Only a 32-bit program under WOW64 reaches the real system folder through "sysnative".
bool usesNativeSystemFolder(bool programIs64Bit, bool wow64);
// "<windows>\sysnative".
std::wstring nativeSystemFolder(std::wstring_view windowsFolder);
// A path in the "sysnative" folder, given back in the system folder, so that no such path reaches
// the history or Explorer; others unchanged.
std::wstring fromNativeSystemFolder(const std::wstring& path, const std::wstring& nativeFolder,
                                    const std::wstring& systemFolder, const ITextPlatform& text);

// Explorer's parameters: the item selected in its folder, or the folder opened. Quoted, so that a
// path with a comma or blanks reaches Explorer whole.
std::wstring explorerSelectParameters(std::wstring_view item);
std::wstring explorerFolderParameters(std::wstring_view folder);

// What follows a finished operation.
struct FopAfter {
    enum class Kind { Nothing, Box, Explorer };
    Kind kind = Kind::Nothing;
    std::wstring text; // the box's text, or Explorer's parameters
    friend bool operator==(const FopAfter&, const FopAfter&) = default;
};

// One item. `newItem` is where the item now is (the copy, the moved or renamed item, the link
// file), already out of "sysnative"; `openFolder` is set when the destination was the system
// folder as a whole, which Explorer opens rather than selecting in it.
struct SingleOpResult {
    FopCode code{};
    std::wstring newItem;
    std::optional<std::wstring> openFolder;
};
FopAfter singleOpAfter(const SingleOpResult& result, bool onDesktop, std::uint32_t fopRename, std::uint32_t fopAfter);
// Several items copied or moved into `folder`.
FopAfter multiOpAfter(FopCode code, const std::wstring& folder, bool onDesktop, std::uint32_t fopAfter);

} // namespace pvn
