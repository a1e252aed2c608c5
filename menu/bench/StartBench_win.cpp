// Start of a program to its first visible pop-up menu, as a user waits for it:
//   PvnStartBench LABEL RUNS OUTPUT PROGRAM [ARGUMENT]
// Each run starts PROGRAM (with ARGUMENT quoted), polls the top-level windows until a visible menu
// window ("#32768") of that process appears, then ends the process. Appends one line a run to OUTPUT:
//   LABEL milliseconds start-counter shown-counter counter-frequency
// The counters are the performance counter, shared by every process, so that a program's own phase
// marks can be set against the same start.
//   PvnStartBench settings INSTALL_FOLDER
// writes the settings key as installation does, with InstallDir naming the folder.
#include "common/MenuWindow_win.h"
#include "common/SettingsTable.h"
#include "common/Settings_win.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process;
    bool found;
};

BOOL CALLBACK findMenu(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !IsWindowVisible(window))
        return TRUE;
    if (!pvn::isMenuWindow(window))
        return TRUE;
    search->found = true;
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv && argc == 3 && std::wstring(argv[1]) == L"settings") {
        pvn::SettingsValues values;
        pvn::ComputedDefaults computed;
        computed.programFolder = argv[2];
        values.resetToInstall(computed);
        if (!pvn::saveSettings(values, true))
            return 1;
        pvn::RegKey key = pvn::openSettingsForWriting();
        return key.writeString(pvn::settingName(pvn::SettingId::InstallDir), argv[2]) ? 0 : 1;
    }
    if (!argv || argc < 5)
        return 2;
    const std::wstring label = argv[1], output = argv[3], program = argv[4];
    const int runs = _wtoi(argv[2]);
    std::wstring commandLine = L"\"" + program + L"\"";
    if (argc > 5)
        commandLine += L" \"" + std::wstring(argv[5]) + L"\"";
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    FILE* out = _wfopen(output.c_str(), L"a");
    if (!out)
        return 1;
    for (int run = 0; run < runs; ++run) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring line = commandLine;
        LARGE_INTEGER start{}, shown{};
        QueryPerformanceCounter(&start);
        if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process))
            return 1;
        Search search{process.dwProcessId, false};
        // 20 s at most: a program that shows no menu (an error box, a folder opened instead) is no figure.
        for (int poll = 0; poll < 40000 && !search.found; ++poll) {
            EnumWindows(findMenu, reinterpret_cast<LPARAM>(&search));
            if (!search.found)
                Sleep(0);
            if (!search.found && WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
                break;
        }
        QueryPerformanceCounter(&shown);
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (!search.found) {
            std::fprintf(out, "%ls failed\n", label.c_str());
            continue;
        }
        const double milliseconds =
            static_cast<double>(shown.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
        std::fprintf(out, "%ls %.2f %lld %lld %lld\n", label.c_str(), milliseconds, start.QuadPart, shown.QuadPart,
                     frequency.QuadPart);
        std::fflush(out);
        Sleep(100);
    }
    std::fclose(out);
    LocalFree(argv);
    return 0;
}
