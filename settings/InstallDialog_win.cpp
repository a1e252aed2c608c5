#include "settings/InstallDialog_win.h"

#include "common/ErrorBox_win.h"
#include "common/Paths.h"
#include "settings/AboutBox_win.h"
#include "settings/res/SetResource.h"
#include "settings/res/InstallDialogIds.h"

namespace pvn {
namespace {

// The checks run once the dialog is on screen (its resource is visible from creation), so that
// their message stands in front of it.
constexpr UINT kRunChecks = WM_APP + 1;

constexpr int kDisabledAtOpening[] = {IDC_INSTALL_INSTALL, IDC_INSTALL_UNINSTALL, IDC_INSTALL_ACTION,
                                      IDC_INSTALL_DOCUMENTS, IDC_INSTALL_DRIVELIST};

} // namespace

void InstallDialog::run() { runModal(GetModuleHandleW(nullptr), IDD_INSTALL, nullptr); }

void InstallDialog::initialize() {
    SetWindowTextW(dialog(), Installer::title(L" のインストール").c_str());
    m_smallIcon = setSmallIcon(IDI_INSTALL);
    setTextColor(IDC_INSTALL_WARNING, kRed);
    SetDlgItemTextW(dialog(), IDC_INSTALL_FOLDER, joinPath(m_installer.installDir(), L"*").c_str());
    for (int id : kDisabledAtOpening)
        EnableWindow(GetDlgItem(dialog(), id), FALSE);
    PostMessageW(dialog(), kRunChecks, 0, 0);
}

void InstallDialog::runChecks() {
    if (const auto refusal = m_installer.refusal()) {
        showMessage(*refusal, dialog());
        return;
    }
    CheckRadioButton(dialog(), IDC_INSTALL_INSTALL, IDC_INSTALL_UNINSTALL, IDC_INSTALL_INSTALL);
    CheckDlgButton(dialog(), IDC_INSTALL_DOCUMENTS, BST_CHECKED);
    CheckDlgButton(dialog(), IDC_INSTALL_DRIVELIST, BST_CHECKED);
    enableOptions(true);
    // The action last: everything it reads is in place by then.
    for (int id : {IDC_INSTALL_INSTALL, IDC_INSTALL_UNINSTALL, IDC_INSTALL_ACTION})
        EnableWindow(GetDlgItem(dialog(), id), TRUE);
    SetFocus(GetDlgItem(dialog(), IDC_INSTALL_ACTION));
}

void InstallDialog::enableOptions(bool enable) {
    EnableWindow(GetDlgItem(dialog(), IDC_INSTALL_DOCUMENTS), enable);
    EnableWindow(GetDlgItem(dialog(), IDC_INSTALL_DRIVELIST), enable);
    SetDlgItemTextW(dialog(), IDC_INSTALL_ACTION, enable ? L"インストール" : L"アンインストール");
}

void InstallDialog::onCommand(int id) {
    switch (id) {
    case IDC_INSTALL_INSTALL:
    case IDC_INSTALL_UNINSTALL:
        enableOptions(id == IDC_INSTALL_INSTALL);
        break;
    case IDC_INSTALL_ABOUT:
        showAboutBox(dialog());
        break;
    case IDC_INSTALL_ACTION: {
        if (!IsWindowEnabled(GetDlgItem(dialog(), IDC_INSTALL_ACTION)))
            break;
        const bool uninstall = IsDlgButtonChecked(dialog(), IDC_INSTALL_UNINSTALL) == BST_CHECKED;
        const bool documents = IsDlgButtonChecked(dialog(), IDC_INSTALL_DOCUMENTS) == BST_CHECKED;
        const bool driveList = IsDlgButtonChecked(dialog(), IDC_INSTALL_DRIVELIST) == BST_CHECKED;
        ShowWindow(dialog(), SW_HIDE);
        if (uninstall)
            m_installer.uninstall();
        else
            m_installer.install(documents, driveList);
        EndDialog(dialog(), IDOK);
        break;
    }
    case IDC_INSTALL_CANCEL:
    case IDCANCEL:
        EndDialog(dialog(), IDCANCEL);
        break;
    default:
        break;
    }
}

INT_PTR InstallDialog::handleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        initialize();
        return TRUE;
    case kRunChecks:
        runChecks();
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            onCommand(LOWORD(wParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return handleColor(wParam, lParam);
    default:
        return FALSE;
    }
}

} // namespace pvn
