#pragma once
// The folder menu's entries as a sequence, decided from a folder listing and the options alone: the
// Win32 side only turns each entry into a menu item. A "more" entry opens a sub-menu that takes
// every entry after it, up to the next "more".
#include "menu/ColumnTracker.h"

#include <optional>
#include <string>
#include <vector>

namespace pvn {

enum class LayoutKind {
    Open,       // "開く" of a folder
    DriveOpen,  // "開く" of the drive menu
    SubFolder,  // lazily filled sub-menu
    Drive,      // lazily filled sub-menu of a drive
    FilesGroup, // "<ファイル>", lazily filled with the folder's files
    More,       // sub-menu filled at once with the entries that follow
    File,
    Info, // disabled: "アクセス不可", the file count, "当該ファイル無"
    Separator,
    About,
};

struct LayoutItem {
    LayoutKind kind = LayoutKind::Info;
    std::wstring path; // what the item table keeps
    std::wstring text; // what the menu shows
    bool columnBreak = false;
    friend bool operator==(const LayoutItem&, const LayoutItem&) = default;
};

// One listing of a folder, each part in its sort order. Nothing for a folder that failed the
// access test.
struct FolderContents {
    std::vector<std::wstring> folders;
    std::vector<std::wstring> files;
};

struct FolderMenuRules {
    unsigned fileNum = 0;       // 0: no limit
    bool filesAbove = false;    // FileUpside
    bool filesTogether = false; // FTogether
};

struct DriveEntry {
    std::wstring root; // "c:\"
    std::wstring text; // "c:[System]"
};

// The whole level of a folder: "開く", separator, folders and the file part, or "アクセス不可".
std::vector<LayoutItem> layoutFolderMenu(const std::wstring& folder,
                                         const std::optional<FolderContents>& contents,
                                         const FolderMenuRules& rules, ColumnTracker& column);
// The files of a folder, or "当該ファイル無" (the lazy fill of a "<ファイル>" group).
std::vector<LayoutItem> layoutFiles(const std::vector<std::wstring>& files, ColumnTracker& column);
// "開く" of the computer, separator, one sub-menu per drive in the given order.
std::vector<LayoutItem> layoutDriveMenu(const std::vector<DriveEntry>& drives, ColumnTracker& column);
// The separator and "About" that end the root menu, or nothing when mode 1 leaves them out.
std::vector<LayoutItem> layoutAbout(ColumnTracker& column);

// Text after the last backslash.
std::wstring menuTextOf(const std::wstring& path);

} // namespace pvn
