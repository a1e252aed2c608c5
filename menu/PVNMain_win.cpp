#include "menu/MainProgram_win.h"
#include "menu/PhaseMark_win.h"

void pvn::markPhase(const char*) {}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    return pvn::runMainProgram(instance);
}
