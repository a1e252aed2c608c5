// PVNMain with its start-up phases recorded (PhaseRecorder_win.cpp).
#include "menu/MainProgram_win.h"
#include "menu/PhaseMark_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    pvn::markPhase("entry");
    return pvn::runMainProgram(instance);
}
