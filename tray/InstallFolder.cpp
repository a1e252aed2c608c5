#include "tray/InstallFolder.h"

#include "common/Paths.h"

namespace pvn {
namespace {

std::wstring_view withoutRootBackslash(std::wstring_view folder) {
    if (isDriveRoot(folder))
        folder.remove_suffix(1);
    return folder;
}

} // namespace

bool isInstallFolder(std::wstring_view programFolder, std::wstring_view installDir) {
    return withoutRootBackslash(programFolder) == withoutRootBackslash(installDir);
}

} // namespace pvn
