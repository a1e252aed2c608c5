#pragma once
// The file-operation window: the menu that copies, moves or makes shortcuts of the items into a
// recent, favourite, special or chosen folder, and renames one item. One per resident tray.
#include "common/Handle_win.h"
#include "common/WindowThunk_win.h"
#include "tray/FFolderList_win.h"
#include "tray/FileOpMenu.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pvn {

class FTray;
struct FopAfter;

class FFopWin final : public WindowBase {
public:
    explicit FFopWin(FTray& tray);
    ~FFopWin() override;

    static FFopWin* instance() { return s_instance; }

    // The menu for these items at the cursor. The chosen operation runs once the menu has closed,
    // on what the menu showed, whatever replaces the tray's item list meanwhile.
    void showMenu(std::vector<std::wstring> items);
    // Renames one item through the input box.
    void rename(const std::wstring& item);

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT onMeasureItem(MEASUREITEMSTRUCT& item);
    LRESULT onDrawItem(const DRAWITEMSTRUCT& item);
    void onFileOperation(LPARAM id);

    // Menu.
    FopSnapshot fillLists(std::vector<std::wstring> items);
    void fillRecent(FopSnapshot& snapshot);
    void fillFavorites(FopSnapshot& snapshot);
    void fillSpecial(FopSnapshot& snapshot);
    void makeHeader(const std::vector<std::wstring>& items);
    UniqueMenu buildMenu(const std::vector<FopMenuEntry>& entries);
    FFolderList* listOf(int listNumber) const;

    // Operations.
    void run(const FopSnapshot& snapshot, unsigned id);
    void singleOperation(const std::wstring& item, const FopChoice& choice);
    void multiOperation(const std::vector<std::wstring>& items, const FopChoice& choice);
    std::optional<std::wstring> chooseFolder(const std::wstring& title, const std::wstring& start);
    std::optional<std::wstring> askNewName(const std::wstring& item);
    bool shellOperation(FopCode code, const std::vector<std::wstring>& sources, const std::wstring& destination);
    bool createShortcut(const std::wstring& target, const std::wstring& link);
    // The box or the Explorer window that tells the user the operation is done.
    void follow(const FopAfter& after);
    std::wstring fromNative(const std::wstring& path) const;
    bool isDesktop(const std::wstring& folder) const;

    FTray& m_tray;
    UINT m_requestMessage = 0;
    std::wstring m_desktop;
    std::wstring m_system;
    // "<windows>\sysnative" where the program reaches the real system folder that way, else empty.
    std::wstring m_nativeSystem;
    int m_iconWidth = 16;
    int m_iconHeight = 16;
    int m_entryHeight = 19;
    std::unique_ptr<FFolderList> m_recent;
    std::unique_ptr<FFolderList> m_favorites;
    std::unique_ptr<FFolderList> m_special;
    std::wstring m_headerText;
    UniqueIcon m_headerIcon;
    bool m_menuShowing = false;
    // The choice posted as request 7, with what the menu showed.
    struct Pending {
        FopSnapshot snapshot;
        unsigned id = 0;
    };
    std::optional<Pending> m_pending;

    static FFopWin* s_instance;
};

} // namespace pvn
