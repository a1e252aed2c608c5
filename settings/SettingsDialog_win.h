#pragma once
// "Parvane の設定": the page list, the sixteen pages and the save sequence. A modeless dialog with
// its own message loop; installation builds it without showing it and only resets and saves.
#include "common/SettingsValues.h"
#include "settings/CWinLib_win.h"
#include "settings/Tab_win.h"

#include <memory>
#include <string>
#include <vector>

namespace pvn {

class SettingsDialog : public CWinLib {
public:
    SettingsDialog();
    // Destroys the small icon and the dialog window, then every page.
    ~SettingsDialog() override;

    // Builds the dialog (hidden) and every page; false when the dialog could not be created.
    bool construct();
    // Shows the dialog and runs its message loop until OK, ｷｬﾝｾﾙ or closing ends it.
    int showAndRun();
    // ResetToInstall on every page in list order.
    void resetAll();
    // Validate, write, reload request to the tray; with the closing message also hides the dialog,
    // says "設定の書き込みが終了しました" and stores CurPage. False when nothing (or not all) was written.
    bool saveAll(bool withClosingMessage);
    // Selects list entry n and shows its page at the page position.
    void goToPage(int index);
    int currentPage() const { return m_current; }
    void destroy();

    // What the pages need of the frame.
    int pageX() const { return m_pageX; }
    HWND trayWindow() const { return m_tray; }
    const std::wstring& installFolder() const { return m_installFolder; }
    const std::wstring& recentListPath() const { return m_recentListPath; }
    int osClass() const { return m_osClass; }
    bool windows64() const { return m_windows64; }
    const SettingsValues& installValues() const { return m_install; }
    // Request 9 or 13 to the tray; the answer (0 when the tray is absent or did not answer).
    LRESULT sendToTray(unsigned code, LPARAM lParam) const;

private:
    INT_PTR handleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void showPage(int index);
    void storeCurPage() const;
    void end();

    int m_osClass = 0;
    bool m_windows64 = false;
    HWND m_tray = nullptr;
    std::wstring m_installFolder;
    int m_current = 0;
    std::wstring m_recentListPath;
    int m_pageX = 0;
    UniqueIcon m_smallIcon;
    std::vector<std::unique_ptr<Tab>> m_pages;
    SettingsValues m_install;
};

} // namespace pvn
