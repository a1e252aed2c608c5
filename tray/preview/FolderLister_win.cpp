#include "tray/preview/FolderLister_win.h"

#include "common/Handle_win.h"
#include "common/Paths.h"

namespace pvn {
namespace {

std::uint64_t fileTimeValue(const FILETIME& t) {
    return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime;
}

// "C:\" of a drive-letter path; empty for others (network paths have no medium to miss).
std::wstring driveRootOf(const std::wstring& path) {
    if (path.size() >= 2 && path[1] == L':')
        return path.substr(0, 2) + L'\\';
    return {};
}

} // namespace

std::vector<FolderEntry> Win32FolderLister::list(const std::wstring& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileExW(joinPath(folder, L"*").c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find)
        return entries;
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        FolderEntry& e = entries.emplace_back();
        e.name = name;
        e.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        e.reparsePoint = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        e.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        e.writeTime = fileTimeValue(data.ftLastWriteTime);
        e.accessTime = fileTimeValue(data.ftLastAccessTime);
    } while (FindNextFileW(find.get(), &data));
    return entries;
}

QuietDriveErrors::QuietDriveErrors(const std::wstring& path) {
    const std::wstring root = driveRootOf(path);
    if (root.empty())
        return;
    const UINT type = GetDriveTypeW(root.c_str());
    if (type != DRIVE_REMOVABLE && type != DRIVE_CDROM)
        return;
    m_old = SetErrorMode(SEM_FAILCRITICALERRORS);
    SetErrorMode(m_old | SEM_FAILCRITICALERRORS);
    m_active = true;
}

QuietDriveErrors::~QuietDriveErrors() {
    if (m_active)
        SetErrorMode(m_old);
}

} // namespace pvn
