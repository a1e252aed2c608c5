#include "settings/tests/support/SettingsSession_win.h"

#include "common/Settings_win.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "settings/res/SettingsDialogIds.h"

namespace pvn::test {

SettingsSession::SettingsSession(const std::wstring& folderName) : m_install(folderName) {
    m_program = m_install.folder() + L"\\PVNSet.exe";
    CopyFileW((binFolder() + L"PVNSet.exe").c_str(), m_program.c_str(), FALSE);
}

bool SettingsSession::startTray() {
    if (!m_install.start())
        return false;
    m_tray = m_install.waitForTray();
    return m_tray != nullptr;
}

bool SettingsSession::openSettings(const std::wstring& workingFolder) {
    SetCursorPos(5, 5);
    if (!m_settings.start(m_program, L"set", workingFolder.empty() ? m_install.folder() : workingFolder))
        return false;
    m_dialog = waitForDialog(L"Parvane の設定", 15000);
    m_list = m_dialog ? findControl(m_dialog, IDC_PAGE_LIST) : nullptr;
    return m_list != nullptr;
}

HWND SettingsSession::control(int id) const {
    return findControl(m_dialog, id);
}

void SettingsSession::goTo(int page) {
    selectListItem(m_list, page);
    Sleep(100);
}

bool SettingsSession::pressOk() {
    BoxWatcher boxes;
    clickButton(control(IDC_OK_BUTTON));
    if (!boxes.waitFor(1, 10000) || boxes.texts()[0] != L"設定の書き込みが終了しました")
        return false;
    return m_settings.wait(10000) == 0u;
}

std::optional<DWORD> storedNumber(const wchar_t* name) {
    DWORD value = 0;
    if (openSettingsForReading().readDword(name, value))
        return value;
    return std::nullopt;
}

std::optional<std::wstring> storedText(const wchar_t* name) {
    std::wstring text;
    if (openSettingsForReading().readString(name, text))
        return text;
    return std::nullopt;
}

std::wstring screenshotPath(const std::wstring& name) {
    const std::wstring folder = binFolder() + L"..\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\settings-" + name + L".bmp";
}

} // namespace pvn::test
