#include "menu/MenuLayout.h"

#include "menu/MenuItemCode.h"

namespace pvn {
namespace {

void addCounted(std::vector<LayoutItem>& out, ColumnTracker& column, LayoutItem item) {
    item.columnBreak = column.addItem();
    out.push_back(std::move(item));
}

void addSeparator(std::vector<LayoutItem>& out, ColumnTracker& column) {
    column.addSeparator();
    out.push_back({LayoutKind::Separator, {}, {}, false});
}

// Folder and file items may first have to open a "more" sub-menu.
void addOverflowing(std::vector<LayoutItem>& out, ColumnTracker& column, LayoutItem item) {
    if (column.startsMoreMenu())
        out.push_back({LayoutKind::More, kMorePath, kMorePath, false});
    addCounted(out, column, std::move(item));
}

void addFiles(std::vector<LayoutItem>& out, const std::vector<std::wstring>& files, ColumnTracker& column) {
    if (files.empty()) {
        addCounted(out, column, {LayoutKind::Info, kNoFilesText, kNoFilesText, false});
        return;
    }
    for (const std::wstring& file : files)
        addOverflowing(out, column, {LayoutKind::File, file, menuTextOf(file), false});
}

void addFilePart(std::vector<LayoutItem>& out, const std::wstring& folder, const FolderContents& contents,
                 const FolderMenuRules& rules, ColumnTracker& column) {
    const std::size_t fileCount = contents.files.size();
    if (rules.fileNum != 0 && fileCount > rules.fileNum) {
        std::wstring text = std::to_wstring(fileCount) + kFileCountSuffix;
        addCounted(out, column, {LayoutKind::Info, text, text, false});
    } else if (!contents.folders.empty() && rules.filesTogether) {
        addCounted(out, column, {LayoutKind::FilesGroup, kFilesMarker + folder, kFilesGroupText, false});
    } else {
        addFiles(out, contents.files, column);
    }
}

} // namespace

std::wstring menuTextOf(const std::wstring& path) {
    const std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::vector<LayoutItem> layoutFolderMenu(const std::wstring& folder,
                                         const std::optional<FolderContents>& contents,
                                         const FolderMenuRules& rules, ColumnTracker& column) {
    column.reset();
    std::vector<LayoutItem> out;
    if (!contents) {
        addCounted(out, column, {LayoutKind::Info, kNoAccessText, kNoAccessText, false});
        return out;
    }
    addCounted(out, column, {LayoutKind::Open, folder, kOpenText, false});
    const std::size_t folderCount = contents->folders.size();
    if (folderCount == 0 && contents->files.empty())
        return out;
    if (rules.fileNum != 0 && folderCount > rules.fileNum)
        return out;
    addSeparator(out, column);
    if (rules.filesAbove)
        addFilePart(out, folder, *contents, rules, column);
    for (const std::wstring& sub : contents->folders)
        addOverflowing(out, column, {LayoutKind::SubFolder, sub, menuTextOf(sub), false});
    if (!rules.filesAbove && !contents->files.empty())
        addFilePart(out, folder, *contents, rules, column);
    return out;
}

std::vector<LayoutItem> layoutFiles(const std::vector<std::wstring>& files, ColumnTracker& column) {
    column.reset();
    std::vector<LayoutItem> out;
    addFiles(out, files, column);
    return out;
}

std::vector<LayoutItem> layoutDriveMenu(const std::vector<DriveEntry>& drives, ColumnTracker& column) {
    column.reset();
    std::vector<LayoutItem> out;
    addCounted(out, column, {LayoutKind::DriveOpen, {}, kOpenText, false});
    addSeparator(out, column);
    for (const DriveEntry& drive : drives)
        addCounted(out, column, {LayoutKind::Drive, drive.root, drive.text, false});
    return out;
}

std::vector<LayoutItem> layoutAbout(ColumnTracker& column) {
    if (!column.addAbout())
        return {};
    return {{LayoutKind::Separator, {}, {}, false}, {LayoutKind::About, kAboutPath, kAboutPath, false}};
}

} // namespace pvn
