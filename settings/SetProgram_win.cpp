#include "settings/SetProgram_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"
#include "common/InstanceMutex_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/RegKey_win.h"
#include "common/Settings_win.h"
#include "common/ListFile_win.h"
#include "settings/AboutBox_win.h"
#include "settings/FolderListEditor_win.h"
#include "settings/RecentMaintenance_win.h"
#include "settings/SetCommand.h"
#include "settings/SettingsDialog_win.h"
#include "settings/SetupCommands_win.h"
#include "settings/ShellVerbs_win.h"

#include <commctrl.h>

namespace pvn {
namespace {

constexpr wchar_t kDoubleStart[] = L"２重に起動はできません";
constexpr wchar_t kWrongArgument[] = L"引数がまちがっています。";

int runSettings() {
    SettingsDialog dialog;
    if (!dialog.construct())
        return 1;
    dialog.showAndRun();
    dialog.destroy();
    return 0;
}

int reregisterVerbs(std::uint32_t startType) {
    std::wstring folder;
    if (RegKey key = openSettingsForReading(); key.isOpen())
        key.readString(settingName(SettingId::InstallDir), folder);
    return registerVerbs(startType, stripQuotes(folder)) ? 0 : 1;
}

} // namespace

int runSetProgram() {
    const std::wstring arguments = splitProcessCommandLine().arguments;
    InstanceMutex mutex(instanceMutexName(arguments));
    if (mutex.alreadyRunning()) {
        showMessage(kDoubleStart);
        return 1;
    }
    ScopedOleInit ole;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    const SetCommand command = parseSetCommand(arguments);
    switch (command.kind) {
    case SetCommandKind::Settings:
        return runSettings();
    case SetCommandKind::About:
        showAboutBox();
        return 0;
    case SetCommandKind::StartType:
        return reregisterVerbs(command.startType);
    case SetCommandKind::Install:
        return runInstallation();
    case SetCommandKind::Edit:
        openFolderListEditor(nullptr);
        return 0;
    case SetCommandKind::NotExist:
        if (auto list = recentListPath())
            removeMissingFolders(*list, nullptr);
        return 0;
    case SetCommandKind::AllUninstall:
        return runAllUninstall();
    case SetCommandKind::Unknown:
        break;
    }
    showMessage(kWrongArgument);
    return 1;
}

} // namespace pvn
