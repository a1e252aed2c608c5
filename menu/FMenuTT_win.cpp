#include "menu/FMenuTT_win.h"

#include "menu/MenuItemCode.h"
#include "menu/TooltipText.h"

#include "common/FileTimeText_win.h"
#include "common/Handle_win.h"
#include "common/Paths.h"

namespace pvn {
namespace {

FileAttributes attributesOf(DWORD bits) {
    return {(bits & FILE_ATTRIBUTE_READONLY) != 0, (bits & FILE_ATTRIBUTE_HIDDEN) != 0,
            (bits & FILE_ATTRIBUTE_ARCHIVE) != 0, (bits & FILE_ATTRIBUTE_SYSTEM) != 0};
}

std::vector<std::wstring> driveLines(const std::wstring& root) {
    wchar_t fileSystem[MAX_PATH + 1] = L"";
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    if (!GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, fileSystem, MAX_PATH + 1))
        fileSystem[0] = L'\0';
    ULARGE_INTEGER total{}, totalFree{};
    if (!GetDiskFreeSpaceExW(root.c_str(), nullptr, &total, &totalFree))
        total.QuadPart = totalFree.QuadPart = 0;
    SetErrorMode(oldMode);
    return driveTooltipLines(fileSystem, total.QuadPart, totalFree.QuadPart);
}

std::vector<std::wstring> findLines(const std::wstring& path, int code) {
    WIN32_FIND_DATAW data{};
    UniqueFind find(FindFirstFileW(path.c_str(), &data));
    if (!find)
        return {};
    const FileAttributes attributes = attributesOf(data.dwFileAttributes);
    if (code == kCodeOpen)
        return folderTooltipLines(fileTimeText(data.ftCreationTime), attributes);
    const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return fileTooltipLines(size, fileTimeText(data.ftCreationTime), fileTimeText(data.ftLastWriteTime),
                            fileTimeText(data.ftLastAccessTime), attributes);
}

} // namespace

void FMenuTT::SetItem(const std::wstring& path, int code, const SelectionPlacement& placement) {
    Hide();
    if (code != kCodeFile && code != kCodeOpen && code != kCodeAbout)
        return;
    m_path = stripQuotes(path);
    m_code = code;
    rememberPlacement(placement);
    startShowDelay();
}

std::vector<std::wstring> FMenuTT::linesFor(const std::wstring& path, int code) {
    if (code == kCodeAbout)
        return aboutTooltipLines();
    if (isDriveRoot(path))
        return driveLines(path);
    if (code == kCodeFile || code == kCodeOpen)
        return findLines(path, code);
    return {};
}

void FMenuTT::Build() {
    showLines(linesFor(m_path, m_code));
}

} // namespace pvn
