#pragma once
// The folder summary: everything below a folder added up, with its most recently written and most
// recently accessed files. The walk reads folders through IFolderLister (FindFirstFileW in the
// program) and pumps messages through the caller once per folder.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pvn {

struct FolderEntry {
    std::wstring name;
    bool folder = false;
    // A junction or symbolic link: counted, never entered (a link to an ancestor has no end).
    bool reparsePoint = false;
    std::uint64_t size = 0;
    std::uint64_t writeTime = 0; // FILETIME as one number
    std::uint64_t accessTime = 0;
};

class IFolderLister {
public:
    virtual ~IFolderLister() = default;
    // Every entry but "." and "..", in file-system order; nothing for a folder that cannot be listed.
    virtual std::vector<FolderEntry> list(const std::wstring& folder) = 0;
};

// The counters of one summary; they live in the build, so that a newer build never sees them half
// reset.
struct FolderSummary {
    std::uint64_t totalSize = 0;
    std::uint32_t files = 0;
    std::int32_t folders = -1; // the summarised folder itself adds the first one
    std::uint64_t latestWrite = 0;
    std::uint64_t latestAccess = 0;
    std::wstring latestWritten;
    std::wstring latestAccessed;
};

// Called before each folder is listed: pumps messages and returns false when the preview was
// cancelled meanwhile.
using KeepGoing = std::function<bool()>;

// Walks `root`; false when cancelled (the summary is then incomplete and must not be shown).
bool summariseFolder(IFolderLister& lister, const std::wstring& root, const KeepGoing& keepGoing,
                     FolderSummary& summary);

// `path` without `root` and the separator after it; a drive root ("C:\") keeps every character of
// the rest. Paths outside `root` are returned whole.
std::wstring pathBelow(const std::wstring& root, const std::wstring& path);

// A FILETIME as the user reads it; "(不明)" for 0.
using FileTimeFormat = std::function<std::wstring(std::uint64_t fileTime)>;

// The three lines: size and counts, the latest write, the latest access.
std::vector<std::wstring> folderSummaryLines(const FolderSummary& summary, const std::wstring& root,
                                             const FileTimeFormat& formatTime);

} // namespace pvn
