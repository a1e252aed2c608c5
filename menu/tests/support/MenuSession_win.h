#pragma once
// Drives PVNMain as a user would: a test installation holding the real tray and PVNMain, settings
// in the key, the stand-in filer, input injected through PvnInput, and what the user would see
// afterwards. Tests about the bytes of a request swap the tray for a stand-in that records them.
#include "common/tests/support/Process_win.h"
#include "common/tests/support/RequestLog_win.h"
#include "common/tests/support/TestFiles_win.h"
#include "common/tests/support/TrayInstall_win.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace pvn::test {

// Measured under Wine: the first item lies 3 pixels below the menu window's top, a separator is 9
// pixels high.
inline constexpr int kMenuTopMargin = 3;
inline constexpr int kSeparatorHeight = 9;

class MenuSession {
public:
    // Resets the settings the tests rely on and removes the records of earlier runs.
    MenuSession();
    ~MenuSession();
    MenuSession(const MenuSession&) = delete;
    MenuSession& operator=(const MenuSession&) = delete;

    static void setNumber(const wchar_t* name, DWORD value);
    static void setText(const wchar_t* name, const std::wstring& value);
    static std::optional<std::wstring> readText(const wchar_t* name);
    static void deleteValue(const wchar_t* name);

    // The real tray, resident in the test installation and ready for the user.
    bool startTray();
    // A stand-in tray that logs every request (requests()) and answers each with `answer`.
    bool startRecordingTray(long long answer = 1);
    void stopTray();
    // Starts the installation's PVNMain with the argument (quoted unless empty) without waiting.
    bool startMain(const std::wstring& folder);
    // Starts PVNMain and waits for its menu; false when no menu appeared.
    bool open(const std::wstring& folder, bool expectMenu = true);
    // Exit code of PVNMain, waiting for it.
    std::optional<DWORD> finish(DWORD milliseconds = 10000);
    static void input(const std::wstring& actions);

    // The visible menu windows, oldest first.
    static std::vector<HWND> menuWindows();
    static RECT windowRect(HWND window);
    // Centre of an item of the root menu, from the item and separator counts above it.
    POINT itemCentre(int itemsAbove, int separatorsAbove, HWND menu = nullptr) const;

    // What the recording tray received.
    std::vector<LoggedRequest> requests() const;
    std::vector<LoggedRequest> requests(unsigned code) const;
    static std::vector<std::wstring> recentLines();
    // The stand-in filer's last record: its arguments, then its working directory.
    // A copy of the filer elsewhere (a file run from the menu) writes beside itself.
    static std::vector<std::wstring> filerRecord(const std::wstring& folder = binFolder());
    static std::wstring filerCommand(const std::wstring& placeholder = L"%l");

    ChildProcess& main() { return m_main; }
    int itemHeight() const { return m_itemHeight; }

private:
    TrayInstall m_install;
    std::wstring m_trayLog;
    ChildProcess m_tray; // the recording tray
    ChildProcess m_main;
    int m_itemHeight;
};

} // namespace pvn::test
