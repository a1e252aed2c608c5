// Entry of PVNSet.
#include "common/IntegrityCheck_win.h"
#include "settings/SetProgram_win.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (!pvn::verifyOwnFile())
        return 1;
    return pvn::runSetProgram();
}
