#pragma once
// The dialog PVNSet shows without a command word: install or uninstall from this folder.
#include "common/Handle_win.h"
#include "settings/CWinLib_win.h"
#include "settings/Installer_win.h"

namespace pvn {

class InstallDialog : public CWinLib {
public:
    explicit InstallDialog(Installer& installer) : m_installer(installer) {}
    // Modal; returns when the dialog has closed (after the chosen operation, if any).
    void run();

protected:
    INT_PTR handleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void initialize();
    void runChecks();
    void enableOptions(bool enable);
    void onCommand(int id);

    Installer& m_installer;
    UniqueIcon m_smallIcon;
};

} // namespace pvn
