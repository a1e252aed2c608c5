#pragma once
// Starting the programs under test as separate processes, the way Explorer or the tray would.
#include "common/Handle_win.h"

#include <optional>
#include <string>
#include <vector>

namespace pvn::test {

// Folder of the running test program (build/<tree>/bin), with a trailing backslash.
std::wstring binFolder();
// This program's arguments, without its own name.
std::vector<std::wstring> programArguments();

class ChildProcess {
public:
    ChildProcess() = default;
    // Starts "program" args; the program path is taken relative to binFolder() when not absolute.
    bool start(const std::wstring& program, const std::wstring& args = L"", const std::wstring& workDir = L"");
    // Waits for the exit; the exit code, or nothing on time-out.
    std::optional<DWORD> wait(DWORD milliseconds = 10000);
    void kill();
    DWORD pid() const { return m_pid; }
    HANDLE handle() const { return m_process.get(); }
    ~ChildProcess() { kill(); }

private:
    UniqueHandle m_process;
    DWORD m_pid = 0;
};

// Runs a program to its end; the exit code, or nothing when it did not start or end in time.
std::optional<DWORD> runProgram(const std::wstring& program, const std::wstring& args = L"",
                                DWORD milliseconds = 10000);

// Polls for a top-level window of the class (and title, when given) for up to the time.
HWND waitForWindow(const wchar_t* className, const wchar_t* title = nullptr, DWORD milliseconds = 10000);

} // namespace pvn::test
