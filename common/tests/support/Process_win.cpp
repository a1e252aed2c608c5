#include "common/tests/support/Process_win.h"

#include "common/Paths_win.h"

#include <shellapi.h>

#include <vector>

namespace pvn::test {

std::wstring binFolder() { return programFolder() + L"\\"; }

std::vector<std::wstring> programArguments() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args;
    if (argv)
        args.assign(argv + 1, argv + argc);
    LocalFree(argv);
    return args;
}

bool ChildProcess::start(const std::wstring& program, const std::wstring& args, const std::wstring& workDir) {
    kill();
    std::wstring exe = program.find(L':') == std::wstring::npos && program.rfind(L"\\\\", 0) != 0
                           ? binFolder() + program
                           : program;
    std::wstring line = L"\"" + exe + L"\"" + (args.empty() ? L"" : L" " + args);
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    m_process.reset(pi.hProcess);
    m_pid = pi.dwProcessId;
    return true;
}

std::optional<DWORD> ChildProcess::wait(DWORD milliseconds) {
    if (!m_process || WaitForSingleObject(m_process.get(), milliseconds) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(m_process.get(), &code);
    m_process.reset();
    return code;
}

void ChildProcess::kill() {
    if (m_process) {
        if (WaitForSingleObject(m_process.get(), 0) != WAIT_OBJECT_0) {
            TerminateProcess(m_process.get(), 99);
            WaitForSingleObject(m_process.get(), 5000);
        }
        m_process.reset();
    }
}

std::optional<DWORD> runProgram(const std::wstring& program, const std::wstring& args, DWORD milliseconds) {
    ChildProcess child;
    if (!child.start(program, args))
        return std::nullopt;
    return child.wait(milliseconds);
}

HWND waitForWindow(const wchar_t* className, const wchar_t* title, DWORD milliseconds) {
    DWORD start = GetTickCount();
    do {
        if (HWND w = FindWindowW(className, title))
            return w;
        Sleep(20);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

} // namespace pvn::test
