#pragma once
// The settings dialog of the real PVNSet, started with "set" from a test installation of the tray,
// and driven as a user drives it.
#include "common/tests/support/Process_win.h"
#include "common/tests/support/TrayInstall_win.h"

#include <optional>
#include <string>

namespace pvn::test {

class SettingsSession {
public:
    // `folderName` as for TrayInstall; PVNSet.exe is copied beside the tray there.
    explicit SettingsSession(const std::wstring& folderName);

    TrayInstall& install() { return m_install; }
    const std::wstring& program() const { return m_program; }

    // The real tray, resident.
    bool startTray();
    HWND tray() const { return m_tray; }
    // PVNSet "set" and its dialog "Parvane の設定", started in the working folder (the installation
    // folder when none is given).
    bool openSettings(const std::wstring& workingFolder = L"");
    HWND dialog() const { return m_dialog; }
    HWND pageList() const { return m_list; }
    ChildProcess& settings() { return m_settings; }

    // A control of the dialog or of its visible page.
    HWND control(int id) const;
    void goTo(int page);
    // OK, the closing message answered, and the program's end; false when one of them did not come.
    bool pressOk();

private:
    TrayInstall m_install;
    std::wstring m_program;
    HWND m_tray = nullptr;
    ChildProcess m_settings;
    HWND m_dialog = nullptr;
    HWND m_list = nullptr;
};

// What the settings key holds now.
std::optional<DWORD> storedNumber(const wchar_t* name);
std::optional<std::wstring> storedText(const wchar_t* name);
// <build>/screenshots/settings-<name>.bmp
std::wstring screenshotPath(const std::wstring& name);

} // namespace pvn::test
