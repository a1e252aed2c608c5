// Time from FolderMenu creation to its filled first level, against the floor of the same listing
// through the shell namespace and nothing else; and the process's memory peak. One measurement a
// process, so that each peak is its own (list: the sorted listing without
// the menu; insert: inserting as many owner-drawn items into a bare menu, without any listing):
//   PvnMenuBench floor|list|insert|menu FOLDER OUTPUT   appends "mode milliseconds entries peak-bytes" to
//   OUTPUT
#include "menu/FolderMenu_win.h"
#include "menu/ShellListing_win.h"
#include "menu/bench/ShellFloor_win.h"

#include "common/Settings_win.h"

#include <psapi.h>
#include <shlobj.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 4)
        return 2;
    const std::wstring mode = argv[1], folder = argv[2], output = argv[3];
    std::size_t entries = 0;
    double milliseconds = 0;
    if (mode == L"floor") {
        pvn::ScopedOleInit ole;
        const auto start = Clock::now();
        entries = pvn::bench::listThroughShell(folder);
        milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    } else if (mode == L"insert") {
        // The system's own cost of a menu of that many owner-drawn items, inserted one by one.
        entries = pvn::bench::listThroughShell(folder);
        const auto start = Clock::now();
        HMENU menu = CreatePopupMenu();
        for (std::size_t i = 0; i < entries; ++i) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
            info.fType = MFT_OWNERDRAW;
            info.wID = static_cast<UINT>(i + 1);
            info.dwItemData = i;
            InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &info);
        }
        milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        DestroyMenu(menu);
    } else if (mode == L"list") {
        pvn::ScopedOleInit ole;
        pvn::ComPtr<IShellFolder> desktop;
        SHGetDesktopFolder(desktop.put());
        const auto start = Clock::now();
        const pvn::FolderContents contents =
            pvn::ShellListing(desktop.get()).list(folder, false, pvn::SortOrder::Name);
        milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        entries = contents.folders.size() + contents.files.size();
    } else {
        pvn::MainContext context;
        context.instance = instance;
        context.drive = L"all";
        pvn::RegKey key = pvn::openSettingsForReading();
        const auto start = Clock::now();
        {
            pvn::FolderMenu menu(context, folder, key);
            milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    FILE* out = _wfopen(output.c_str(), L"a");
    if (!out)
        return 1;
    std::fprintf(out, "%ls %.1f %zu %zu\n", mode.c_str(), milliseconds, entries, memory.PeakPagefileUsage);
    std::fclose(out);
    LocalFree(argv);
    return 0;
}
