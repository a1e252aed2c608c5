// Stands in for the programs the tray starts (PVNMain.exe, PVNSet.exe, a filer): appends
// "<own file name>|<arguments>|<working folder>" as a UTF-8 line to calls.log beside itself.
// As PVNSet.exe it stays for a moment, as the settings program would while the user works in it.
#include "common/CommandLine.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/tests/support/Driver_win.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring own = pvn::modulePath();
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    const pvn::CommandLine line = pvn::splitCommandLine(GetCommandLineW());
    const std::wstring name = pvn::fileName(own);
    const std::string record = pvn::test::toUtf8(name + L"|" + line.arguments + L"|" + current) + "\r\n";
    const std::wstring log = pvn::joinPath(pvn::parentFolder(own), L"calls.log");
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
        CloseHandle(file);
    }
    if (lstrcmpiW(name.c_str(), L"PVNSet.exe") == 0)
        Sleep(1500);
    return 0;
}
