// Entry of PVNTray: one instance per argument text, the resident tray or one command-line run.
#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"
#include "common/InstanceMutex_win.h"
#include "common/IntegrityCheck_win.h"
#include "common/MessagePump_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "tray/FCtxtWin_win.h"
#include "tray/FFopWin_win.h"
#include "tray/FItemCmd_win.h"
#include "tray/FTray_win.h"
#include "tray/TrayMode.h"

#include <string>

namespace pvn {
namespace {

// The folder of the program file itself: the command line holds whatever the starting process wrote.
std::wstring ownFolder() { return parentFolder(modulePath()); }

int runTray(const CommandLine& commandLine) {
    const TrayMode mode = parseTrayMode(commandLine.arguments);
    InstanceMutex mutex(trayMutexName(commandLine.arguments));
    if (mutex.alreadyRunning()) {
        showMessage(kDoubleStartMessage);
        return 1;
    }
    if (mode == TrayMode::Refused) {
        showMessage(kWrongArgumentMessage);
        return 1;
    }
    ScopedOleInit ole;
    FTray tray(ownFolder(), mode);
    if (!tray.complete())
        return 1;
    switch (mode) {
    case TrayMode::Resident: {
        // Torn down in reverse order, before the tray and before OLE ends.
        FCtxtWin contextMenu(tray);
        FFopWin fileOperations(tray);
        FItemCmd itemCommands(tray);
        tray.measureMenuMetrics();
        return messageLoop();
    }
    case TrayMode::Recent:
        tray.recentMenu(true);
        break;
    case TrayMode::Favorites:
        tray.favoritesMenu(true);
        break;
    case TrayMode::Last:
        tray.lastFolder(true);
        break;
    case TrayMode::LastMenu:
        tray.lastMenu();
        break;
    case TrayMode::Refused:
        break;
    }
    return 0;
}

} // namespace
} // namespace pvn

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (!pvn::verifyOwnFile())
        return 1;
    return pvn::runTray(pvn::splitProcessCommandLine());
}
