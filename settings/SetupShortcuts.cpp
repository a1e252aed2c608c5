#include "settings/SetupShortcuts.h"

#include "common/Paths.h"

namespace pvn {
namespace {

ShortcutPlan shortcut(std::wstring_view folder, const wchar_t* name, std::wstring_view installDir,
                      const wchar_t* program, std::wstring_view arguments) {
    return {joinPath(folder, name), joinPath(installDir, program), std::wstring(arguments), std::wstring(installDir)};
}

} // namespace

ShortcutPlan trayShortcut(std::wstring_view startupFolder, std::wstring_view installDir) {
    return shortcut(startupFolder, kTrayShortcutName, installDir, L"PVNTray.exe", L"");
}

ShortcutPlan documentsShortcut(std::wstring_view desktopFolder, std::wstring_view installDir,
                               std::wstring_view documentsFolder) {
    return shortcut(desktopFolder, kDocumentsShortcutName, installDir, L"PVNMain.exe", documentsFolder);
}

ShortcutPlan driveListShortcut(std::wstring_view desktopFolder, std::wstring_view installDir) {
    return shortcut(desktopFolder, kDriveListShortcutName, installDir, L"PVNMain.exe", L"");
}

} // namespace pvn
