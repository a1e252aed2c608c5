#pragma once
// A test installation of the tray: a folder holding a copy of PVNTray.exe with stand-ins for
// PVNMain.exe, PVNSet.exe and a filer (each records how it was started in calls.log), the settings
// key as installation writes it with InstallDir pointing there, and the two list files.
#include "common/RegKey_win.h"
#include "common/tests/support/Process_win.h"

#include <optional>
#include <string>
#include <vector>

namespace pvn::test {

class TrayInstall {
public:
    // `folderName` below the test folder; the folder is emptied first.
    explicit TrayInstall(const std::wstring& folderName = L"trayinst");
    ~TrayInstall();
    TrayInstall(const TrayInstall&) = delete;
    TrayInstall& operator=(const TrayInstall&) = delete;

    const std::wstring& folder() const { return m_folder; }
    // A real folder below the installation, created on demand.
    std::wstring makeFolder(const std::wstring& name) const;

    void setNumber(const wchar_t* name, DWORD value) const;
    void setText(const wchar_t* name, const std::wstring& text) const;
    void removeValue(const wchar_t* name) const;
    void writeRecent(const std::vector<std::wstring>& lines) const;
    void writeFavorites(const std::vector<std::wstring>& lines) const;
    std::vector<std::wstring> readRecent() const;
    void removeLists() const;

    // Replaces the PVNMain.exe stand-in by the real folder menu program; false when it was not built.
    bool useRealFolderMenu() const;

    // Starts <folder>\PVNTray.exe with the arguments (or another copy of it).
    bool start(const std::wstring& args = L"", const std::wstring& program = L"");
    // The resident tray's window, once it has published itself.
    HWND waitForTray(DWORD milliseconds = 10000) const;
    ChildProcess& process() { return m_process; }
    // WM_CLOSE and the exit code.
    std::optional<DWORD> stop(DWORD milliseconds = 10000);

    // Lines "<program>|<arguments>|<working folder>" the stand-ins wrote, oldest first.
    std::vector<std::wstring> calls() const;
    void clearCalls() const;
    // Waits until there are at least n calls.
    bool waitForCalls(std::size_t n, DWORD milliseconds = 5000) const;

private:
    std::wstring m_folder;
    ChildProcess m_process;
};

// The first top-level window of the process with the class (and visible, when asked).
HWND windowOfProcess(DWORD pid, const wchar_t* className, bool visibleOnly = false);

// PVNMESSAGE to the window, synchronously, or nothing when the send failed.
std::optional<LRESULT> sendRequest(HWND tray, unsigned code, LPARAM lParam = 0);
// The tray's icon callback, as the notification area would post it.
void postIconClick(HWND tray, UINT mouseMessage);

} // namespace pvn::test
