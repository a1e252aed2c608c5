#include "menu/MainProgram_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    return pvn::runMainProgram(instance);
}
