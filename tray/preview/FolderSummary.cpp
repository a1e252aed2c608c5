#include "tray/preview/FolderSummary.h"

#include "common/Format.h"
#include "common/Paths.h"

namespace pvn {
namespace {

bool scan(IFolderLister& lister, const std::wstring& folder, const KeepGoing& keepGoing, FolderSummary& s) {
    if (!keepGoing())
        return false;
    ++s.folders;
    for (const FolderEntry& entry : lister.list(folder)) {
        const std::wstring path = joinPath(folder, entry.name);
        if (entry.folder) {
            if (entry.reparsePoint)
                ++s.folders;
            else if (!scan(lister, path, keepGoing, s))
                return false;
            continue;
        }
        ++s.files;
        s.totalSize += entry.size;
        if (entry.writeTime > s.latestWrite) {
            s.latestWrite = entry.writeTime;
            s.latestWritten = path;
        }
        if (entry.accessTime > s.latestAccess) {
            s.latestAccess = entry.accessTime;
            s.latestAccessed = path;
        }
    }
    return true;
}

} // namespace

bool summariseFolder(IFolderLister& lister, const std::wstring& root, const KeepGoing& keepGoing,
                     FolderSummary& summary) {
    summary = FolderSummary{};
    std::wstring folder = root;
    if (folder.size() > 1 && folder.ends_with(L'\\') && !isDriveRoot(folder))
        folder.pop_back();
    return scan(lister, folder, keepGoing, summary) && keepGoing();
}

std::wstring pathBelow(const std::wstring& root, const std::wstring& path) {
    const std::wstring prefix = root.ends_with(L'\\') ? root : root + L'\\';
    if (path.size() > prefix.size() && path.starts_with(prefix))
        return path.substr(prefix.size());
    return path;
}

std::vector<std::wstring> folderSummaryLines(const FolderSummary& summary, const std::wstring& root,
                                             const FileTimeFormat& formatTime) {
    const auto below = [&root](const std::wstring& path) { return path.empty() ? path : pathBelow(root, path); };
    return {
        formatThousands(summary.totalSize) + L"バイト ファイル数:" + std::to_wstring(summary.files) +
            L" フォルダ数:" + std::to_wstring(summary.folders),
        L"最終更新 " + formatTime(summary.latestWrite) + L" " + below(summary.latestWritten),
        L"最終アクセス " + formatTime(summary.latestAccess) + L" " + below(summary.latestAccessed),
    };
}

} // namespace pvn
