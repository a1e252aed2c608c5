// The recorder of start-up marks for the benchmark's programs: each mark appends "name counter" to
// the file named by the environment variable PVN_PHASE_LOG, at once, since the benchmark ends the
// process while its menu is shown.
#include "menu/PhaseMark_win.h"

#include <windows.h>

#include <cstdio>

void pvn::markPhase(const char* name) {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    static wchar_t path[MAX_PATH] = L"";
    if (!path[0] && !GetEnvironmentVariableW(L"PVN_PHASE_LOG", path, MAX_PATH))
        return;
    char line[96];
    const int length = std::snprintf(line, sizeof line, "%s %lld\n", name, now.QuadPart);
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}
