#include "settings/DriveProbe_win.h"

#include "common/CriticalErrorMode_win.h"
#include "common/ErrorBox_win.h"
#include "common/Settings_win.h"
#include "settings/DriveTable.h"

#include <shellapi.h>
#include <winnetwk.h>

namespace pvn {
namespace {

std::wstring driveLabel(const DriveRoot& drive) {
    const std::wstring name = drive.root.substr(0, 2);
    if (drive.type == DRIVE_REMOTE) {
        std::wstring remote(1024, L'\0');
        DWORD length = static_cast<DWORD>(remote.size());
        if (WNetGetConnectionW(name.c_str(), remote.data(), &length) != NO_ERROR)
            return name;
        remote.resize(wcslen(remote.c_str()));
        return networkDriveLabel(remote, name);
    }
    wchar_t label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(drive.root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        return {};
    return label;
}

} // namespace

std::vector<DriveRoot> listDriveRoots(bool details) {
    CriticalErrorsOff quiet;
    std::wstring strings(4 * 26 + 2, L'\0');
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(strings.size()), strings.data());
    if (length == 0 || length > strings.size()) {
        reportLastError("GetLogicalDriveStrings");
        return {};
    }
    strings.resize(length);
    strings = lowerCaseText(strings);

    std::vector<DriveRoot> drives;
    for (std::size_t at = 0; at < strings.size();) {
        const std::size_t end = strings.find(L'\0', at);
        std::wstring root = strings.substr(at, end - at);
        at = end == std::wstring::npos ? strings.size() : end + 1;
        if (root.empty())
            continue;
        DriveRoot drive;
        drive.letter = root[0];
        drive.type = GetDriveTypeW(root.c_str());
        drive.root = std::move(root);
        if (drive.type == DRIVE_UNKNOWN || drive.type == DRIVE_NO_ROOT_DIR) {
            if (details)
                showMessage(L"DRIVE_UNKNOWN or DRIVE_NO_ROOT_DIR");
            continue;
        }
        if (details) {
            SHFILEINFOW info{};
            if (SHGetFileInfoW(drive.root.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON | SHGFI_LINKOVERLAY))
                drive.icon.reset(info.hIcon);
            drive.display = driveDisplayText(drive.root, driveLabel(drive));
        }
        drives.push_back(std::move(drive));
    }
    return drives;
}

} // namespace pvn
