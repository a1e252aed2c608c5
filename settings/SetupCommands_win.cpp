#include "settings/SetupCommands_win.h"

namespace pvn {

// The installation dialog and the removal come with the installation work; until then these words
// end at once.
int runInstallation() {
    return 0;
}

int runAllUninstall() {
    return 0;
}

} // namespace pvn
