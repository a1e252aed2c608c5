#include "settings/RecentMaintenance_win.h"

#include "common/CriticalErrorMode_win.h"
#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/Paths_win.h"
#include "settings/RecentMaintenance.h"

namespace pvn {
namespace {

bool confirmed(const wchar_t* question, HWND owner) {
    return askUser(question, MB_YESNO | MB_ICONQUESTION, owner) == IDYES;
}

bool rewrite(const std::wstring& recentList, const std::vector<std::wstring>& lines, HWND owner) {
    if (writeListFile(recentList, lines))
        return true;
    showMessage(formatErrorCode("CreateFile", GetLastError()) + L"\n" + recentList, owner);
    return false;
}

UINT driveTypeOf(const std::wstring& path) {
    if (path.size() < 3 || path[1] != L':')
        return DRIVE_UNKNOWN;
    return GetDriveTypeW(path.substr(0, 3).c_str());
}

} // namespace

bool removeNetworkFolders(const std::wstring& recentList, HWND owner) {
    if (!confirmed(L"ネットワーク上の履歴からの削除\n本当に削除していいですか", owner))
        return false;
    // A file that could not be read is left as it is, not replaced by what was not seen.
    const auto lines = readListFileChecked(recentList);
    return lines && rewrite(recentList, withoutNetworkFolders(*lines), owner);
}

bool removeAllRecentFolders(const std::wstring& recentList, HWND owner) {
    if (!confirmed(L"本当に全部の履歴を削除していいですか", owner))
        return false;
    return rewrite(recentList, {}, owner);
}

bool removeMissingFolders(const std::wstring& recentList, HWND owner) {
    if (!confirmed(L"存在しないフォルダの履歴からの削除\n本当に削除していいですか", owner))
        return false;
    const auto lines = readListFileChecked(recentList);
    if (!lines)
        return false;
    const auto kept = withoutMissingFolders(
        *lines,
        [](const std::wstring& line) { return isNetworkPath(line) || driveTypeOf(line) == DRIVE_REMOTE; },
        [](const std::wstring& line) {
            const UINT type = driveTypeOf(line);
            if (type != DRIVE_REMOVABLE && type != DRIVE_CDROM)
                return folderExists(line);
            CriticalErrorsOff quiet;
            return folderExists(line);
        });
    return rewrite(recentList, kept, owner);
}

} // namespace pvn
