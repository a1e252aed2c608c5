#pragma once
// The folder menu program's main object: its window, the cascading menu with its item table, the
// owner drawing, the tooltip and the running of the menu with its keys, clicks and drags.
#include "menu/ColumnTracker.h"
#include "menu/FMenuTT_win.h"
#include "menu/MainContext_win.h"
#include "menu/MenuItemTable.h"
#include "menu/MenuLayout.h"

#include "common/Handle_win.h"
#include "common/MenuWindow_win.h"
#include "common/MonitorTable_win.h"
#include "common/RegKey_win.h"
#include "common/RequestPayload.h"
#include "common/SelectionPlacement.h"
#include "common/WindowThunk_win.h"

#include <shlobj.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pvn {

struct MenuOptions {
    bool includeHidden = false;
    bool posFix = false;
    bool openShift = false;
    DWORD order = 0;
    bool folderIcon = false;
    DWORD fileNum = 0;
    bool fileUpside = false;
    bool fHistory = false;
    bool fTogether = false;
    DWORD menuOverFlow = 0;
    bool toolTipOn = false;
    bool sFolSingle = false;
    DWORD menuSepHeight = 0;
    std::wstring installDir;
};

class FolderMenu : public WindowBase {
public:
    static constexpr wchar_t kWindowClass[] = L"PVNMAINWINCLASS";

    FolderMenu(MainContext& context, const std::wstring& path, const RegKey& settings);
    // Writes LastMenuItem, destroys the menus newest first, then the font and the window.
    ~FolderMenu() override;

    // Reads the tooltip's font; its window is made once the menu is up and idle (it shows 500 ms
    // after a selection at the earliest), so that it costs nothing before the menu is visible.
    void prepareTooltip(const RegKey& settings);
    POINT startPoint() const { return m_startPoint; }

private:
    // FolderMenu_win.cpp
    void readOptions(const RegKey& settings);
    void createFont();
    void createWindow();
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT sendToTray(const RequestPayload& request) const;
    void writeLastMenuItem() const;

    // FolderMenuBuild_win.cpp
    void fillFolderMenu(const std::wstring& path, HMENU menu);
    void fillFiles(const std::wstring& path, HMENU menu);
    void fillDriveMenu(HMENU menu);
    void appendAbout();
    HMENU insertLayout(const std::vector<LayoutItem>& items, HMENU target);
    HMENU newPopup();
    bool appendItem(HMENU menu, const std::wstring& path, std::int32_t code, const std::wstring& text,
                    HMENU sub, bool disabled, bool columnBreak, const char* label);
    void onMenuSelect(WPARAM wParam, LPARAM lParam);
    FolderMenuRules rules() const;

    // FolderMenuDraw_win.cpp
    LRESULT onMeasureItem(MEASUREITEMSTRUCT& item);
    LRESULT onDrawItem(const DRAWITEMSTRUCT& item);
    bool hasIconSpace(std::size_t index) const;
    void followSelection(const DRAWITEMSTRUCT& item, long index);
    HICON iconFor(std::size_t index, bool selected, bool& whiteText) const;

    // FolderMenuRun_win.cpp
    void runMenu();
    void chooseItem(long index);
    void openHighlightedFolder();
    void cursorToFirstItem();
    LRESULT onMenuChar(unsigned character, HMENU menu);
    LRESULT ctrlLetter(unsigned character);
    LRESULT preview(HMENU menu);
    bool contextMenuForHighlighted(bool keyboard);
    void recordAfterTray(long index, LRESULT answer, bool folderOnOne);
    int positionOf(HMENU menu, long index) const;
    HMENU highlightedMenu() const;
    void hideTooltip();
    // Makes the tooltip's window inside the menu loop, and gives it the item already highlighted.
    void createTooltip();
    static LRESULT CALLBACK mouseHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK messageFilterHook(int code, WPARAM wParam, LPARAM lParam);
    bool onHookedMouse(WPARAM message, const MOUSEHOOKSTRUCT& info);
    bool onHookedKey(const MSG& message);

    // FolderMenuDrag_win.cpp
    void trackDrag();
    void runDrag(long index);

    bool isHighlightedSubFolder() const;
    const std::wstring& pathOf(long index) const { return m_table.path(static_cast<std::size_t>(index)); }
    std::int32_t codeOf(long index) const { return m_table.code(static_cast<std::size_t>(index)); }

    MainContext& m_context;
    std::wstring m_path;
    MenuOptions m_options;
    std::optional<ScopedOleInit> m_ole; // made in the body: its time is a start-up phase of its own
    ComPtr<IShellFolder> m_desktop;
    UniqueFont m_font;
    POINT m_startPoint{};
    POINT m_menuPoint{};
    int m_iconWidth = 16;
    int m_iconHeight = 16;
    int m_itemHeight = 19;
    MonitorTable m_monitors;
    ColumnTracker m_column{OverflowMode::None, 0, 0, 0};

    MenuItemTable m_table;
    struct ItemText {
        std::wstring text;
        long index; // into m_table
    };
    std::vector<ItemText> m_itemTexts;
    std::vector<HMENU> m_menus; // every pop-up created, oldest first
    HMENU m_root = nullptr;
    HMENU m_columnMenu = nullptr;

    long m_highlighted = -1;
    long m_lastSelectable = 0;
    SelectionPlacement m_placement;
    std::unique_ptr<FMenuTT> m_tooltip;
    std::wstring m_tooltipFace;
    DWORD m_tooltipPoints = 0;

    // Running the menu (FolderMenuRun_win.cpp, FolderMenuDrag_win.cpp).
    UINT m_folderOpenButton = WM_LBUTTONDBLCLK;
    MenuHooks m_hooks;
    int m_dragState = 0;
    long m_dragIndex = -1;
    POINT m_dragPoint{};
    unsigned m_buttons = 0;
    bool m_closedByKey = false;
    bool m_rightHandled = false;
    bool m_keyboardMenu = false;
    bool m_previewing = false;
    // A preview was asked for: it is dropped when the menu ends, or it would stay on the screen.
    bool m_previewAsked = false;
    HMENU m_menuCharMenu = nullptr;

    // Hooks have no context of their own: the one FolderMenu of the process.
    static FolderMenu* s_current;
};

} // namespace pvn
