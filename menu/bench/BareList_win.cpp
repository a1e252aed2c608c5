// The baseline of the start-up benchmark: a program that only starts, initialises OLE, lists the
// folder through the shell namespace and shows a one-item pop-up menu, so that "visible menu" means
// the same thing as for PVNMain.
//   PvnBareList FOLDER
#include "menu/PhaseMark_win.h"
#include "menu/bench/ShellFloor_win.h"

#include "common/Handle_win.h"

#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2)
        return 2;
    pvn::markPhase("entry");
    pvn::ScopedOleInit ole;
    pvn::markPhase("ole");
    const std::size_t entries = pvn::bench::listThroughShell(argv[1]);
    pvn::markPhase("listing");
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  instance, nullptr);
    HMENU menu = CreatePopupMenu();
    const std::wstring text = std::to_wstring(entries);
    AppendMenuW(menu, MF_STRING, 1, text.c_str());
    SetForegroundWindow(window);
    pvn::markPhase("window");
    TrackPopupMenuEx(menu, TPM_RETURNCMD, 100, 100, window, nullptr);
    DestroyMenu(menu);
    DestroyWindow(window);
    LocalFree(argv);
    return 0;
}
