#pragma once
// The tray program's main object: the 1×1 tool window every tray menu hangs on, the notification
// icon, the hot keys, the request table, and the recent and favourites menus. One per process.
#include "common/Handle_win.h"
#include "common/MonitorTable_win.h"
#include "common/StringList.h"
#include "common/WindowThunk_win.h"
#include "tray/FFolderList_win.h"
#include "tray/RequestTable.h"
#include "tray/TrayMode.h"
#include "tray/TraySettings_win.h"

#include <shellapi.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pvn {

class FPrevTT;

class FTray : public WindowBase {
public:
    // `programFolder` is the folder the program file lies in.
    FTray(std::wstring programFolder, TrayMode mode);
    ~FTray() override;

    static FTray* instance() { return s_instance; }

    // A command-line run always completes; the resident instance once it could publish itself.
    bool complete() const { return m_complete; }
    bool resident() const { return m_resident; }
    HFONT menuFont() const { return m_menuFont.get(); }
    const TraySettings& settings() const { return m_settings; }
    StringList& items() { return m_items; }
    // A request's block replaces the whole item list, however few strings it carries.
    void setItems(const std::vector<std::wstring>& items);
    bool wow64() const { return m_wow64; }
    RequestTable& requests() { return m_requests; }

    // Measures how tall the system draws a menu entry and a separator, and publishes both.
    void measureMenuMetrics();

    void recentMenu(bool fromCommandLine);
    void favoritesMenu(bool fromCommandLine);
    void lastFolder(bool fromCommandLine);
    void lastMenu();

    // Requests the tray makes of itself (codes 6 and 11) run after the current message, once the
    // sender has been released. They are queued here, not in a window message another program
    // could post.
    void postToSelf(RequestCode code, LPARAM lParam);

    // ShellExecuteW of PVNMain.exe in the install folder; the result as ShellExecuteW gives it.
    INT_PTR startFolderMenu(const std::wstring& parameters);

private:
    struct Highlight {
        HWND menuWindow = nullptr;
        RECT item{};
        std::intptr_t itemData = -1;
    };

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT onIconMessage(LPARAM mouseMessage);
    LRESULT onRequest(WPARAM code, LPARAM lParam);
    void runSelfRequests();
    void installHandlers();
    LRESULT onMeasureItem(MEASUREITEMSTRUCT& item);
    LRESULT onDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT onMenuChar(WPARAM wParam);
    void onMenuEntryInput();
    LRESULT onHotKey(WPARAM id);

    bool createWindow();
    bool startResident();
    void loadSettings();
    void addNotificationIcon();
    void removeNotificationIcon();
    bool checkInstallFolder();
    void createPreview();
    // The font and settings of the preview window, after the settings were read again.
    void reloadPreview();
    std::intptr_t onPreviewRequest(const TrayRequest& request);

    void registerHotKeys();
    void unregisterHotKeys();

    const FFolderList* listOf(int listNumber) const;
    void resetHighlight() { m_highlight = Highlight{}; }
    // The chosen entry's index, or nothing.
    std::optional<int> trackFolderMenu(const FFolderList& list, int listNumber);
    // Right click or Tab on the highlighted entry: 0 when it acted, 1 when nothing was highlighted.
    LRESULT actOnHighlightedEntry();
    bool readCommandLineSettings(bool folderIcon, bool lists);
    void openFolder(const std::wstring& path, const wchar_t* reason);

    void trayMenu();
    void toggleStartType();
    void runSetup(const wchar_t* word);
    void openReadMe();

    StringList m_items;
    int m_osLevel = 0;
    bool m_wow64 = false;
    UINT m_iconMessage = 0;
    UINT m_requestMessage = 0;
    UINT m_taskbarMessage = 0;
    MonitorTable m_monitors;
    TraySettings m_settings;
    bool m_resident = false;
    NOTIFYICONDATAW m_iconRecord{};
    bool m_iconAdded = false;
    bool m_cancelNextMenu = false;
    bool m_actionTaken = false;
    bool m_keyboard = false;
    Highlight m_highlight;
    UniqueFont m_menuFont;
    std::optional<ScopedGetDC> m_measuringDC;
    std::optional<ScopedSelect> m_measuringFont;
    int m_smallIconWidth = 16;
    int m_smallIconHeight = 16;
    int m_entryHeight = 19;
    std::unique_ptr<FFolderList> m_recent;
    std::unique_ptr<FFolderList> m_favorites;
    std::unique_ptr<FPrevTT> m_preview;

    std::wstring m_programFolder;
    bool m_complete = false;
    bool m_leftClickBusy = false;
    RequestTable m_requests;
    std::deque<std::pair<RequestCode, LPARAM>> m_selfRequests;

    static FTray* s_instance;
};

// The tray window's private messages: "run what postToSelf queued", and "act on the Tab or right
// button the menu hooks took". Each only wakes the tray; what to do is kept inside the process.
inline constexpr UINT kRunSelfRequests = WM_APP + 1;
inline constexpr UINT kMenuEntryInput = WM_APP + 2;

} // namespace pvn
