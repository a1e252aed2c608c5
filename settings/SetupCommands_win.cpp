#include "settings/SetupCommands_win.h"

#include "common/OsCheck_win.h"
#include "settings/InstallDialog_win.h"
#include "settings/RemoveAll_win.h"

namespace pvn {

int runInstallation() {
    Installer installer(checkOs());
    InstallDialog(installer).run();
    return 0;
}

int runAllUninstall() {
    removeAllProducts();
    return 0;
}

} // namespace pvn
