// Checks its own file the way every shipped program does at start: exit 0 intact, 3 refused.
#include "common/IntegrityCheck_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return pvn::verifyOwnFile() ? 0 : 3; }
