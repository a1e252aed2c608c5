#include "settings/pages/TabScut_win.h"

#include "common/ErrorBox_win.h"
#include "common/Paths_win.h"
#include "settings/SettingsDialog_win.h"
#include "settings/Shortcut_win.h"
#include "settings/pages/TabScutIds.h"

#include <shlobj.h>

namespace pvn {

TabScut::TabScut() : Tab(SettingPage::Scut, IDD_TAB_SCUT) {}

void TabScut::onInit() {
    setTextColor(IDC_SCUT_DESKTOP_NOTE, kBlue);
    setTextColor(IDC_SCUT_TRAY_NOTE, kBlue);
}

bool TabScut::onCommand(int id, int code) {
    if (code != BN_CLICKED || (id != IDC_SCUT_DOCUMENTS && id != IDC_SCUT_DRIVELIST && id != IDC_SCUT_TRAY))
        return false;
    const std::wstring& folder = frame().installFolder();
    if (id == IDC_SCUT_TRAY) {
        createShortcut(trayShortcut(specialFolderPath(CSIDL_STARTUP).value_or(L""), folder));
        return true;
    }
    const std::wstring desktop = specialFolderPath(CSIDL_DESKTOPDIRECTORY).value_or(L"");
    if (id == IDC_SCUT_DRIVELIST) {
        createShortcutAsking(driveListShortcut(desktop, folder), m_dialog);
        return true;
    }
    const std::wstring documents = specialFolderPath(CSIDL_PERSONAL).value_or(L"");
    if (documents.empty())
        showMessage(kNoDocumentsFolder, m_dialog);
    else
        createShortcutAsking(documentsShortcut(desktop, folder, documents), m_dialog);
    return true;
}

} // namespace pvn
