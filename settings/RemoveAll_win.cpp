#include "settings/RemoveAll_win.h"

#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/RegKey_win.h"
#include "settings/RegistryPlan_win.h"
#include "settings/RemoveAllPlan.h"

#include <shlobj.h>

namespace pvn {
namespace {

bool removeFileOrFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str());
}

} // namespace

void removeAllProducts() {
    if (askUser(kRemoveAllQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;

    RemoveAllFolders folders;
    folders.data = joinPath(specialFolderPath(CSIDL_APPDATA).value_or(L""), kListFolder);
    folders.windows = specialFolderPath(CSIDL_WINDOWS).value_or(L"");
    folders.startup = specialFolderPath(CSIDL_STARTUP).value_or(L"");
    folders.desktop = specialFolderPath(CSIDL_DESKTOPDIRECTORY).value_or(L"");
    for (const std::wstring& path : removeAllFiles(folders)) {
        if (!pathExists(path) || askUser(path + kRemoveFileQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
            continue;
        if (!removeFileOrFolder(path))
            showMessage(path + kRemoveFailed);
    }

    applyRegPlan(removeAllRegistry(sizeof(void*) == 8 || runningUnderWow64()),
                 [](const std::wstring& fullName) { showMessage(fullName + kRemoveFailed); });
    askUser(kRemoveAllDone, MB_OK | MB_ICONINFORMATION);
}

} // namespace pvn
