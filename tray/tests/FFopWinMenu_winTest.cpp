// The file-operation menu as the system holds it, read in the process that built it (another
// process cannot read it under Wine): kinds, texts, states, identifiers and item data.
#include "common/ListFile_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/TrayInstall_win.h"
#include "tray/FFopWin_win.h"
#include "tray/FTray_win.h"

#include <gtest/gtest.h>

#include <thread>

namespace pvn::test {
namespace {

// One line per entry: "<kind> <id> <text or item data> [state]", sub-menus indented below.
void describe(HMENU menu, const std::wstring& indent, std::vector<std::wstring>& out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = L"";
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 256;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
        std::wstring line = indent;
        if (item.fType & MFT_SEPARATOR)
            line += L"- " + std::to_wstring(item.wID);
        else if (item.fType & MFT_OWNERDRAW)
            line += L"o " + std::to_wstring(item.wID) + L" " + std::to_wstring(static_cast<std::intptr_t>(item.dwItemData));
        else
            line += L"t " + std::to_wstring(item.wID) + L" " + text;
        if (item.fState & MFS_DISABLED)
            line += L" [disabled]";
        out.push_back(line);
        if (item.hSubMenu)
            describe(item.hSubMenu, indent + L"  ", out);
    }
}

// Shows the menu for the items and reads it from another thread while it is open.
std::vector<std::wstring> shownMenu(FFopWin& fop, const std::vector<std::wstring>& items) {
    std::vector<std::wstring> lines;
    std::thread reader([&] {
        HWND menuWindow = waitForPopupMenu();
        if (!menuWindow) {
            lines.push_back(L"no menu");
            return;
        }
        describe(reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0)), L"", lines);
        PostMessageW(fop.window(), WM_CANCELMODE, 0, 0);
    });
    fop.showMenu(items);
    reader.join();
    return lines;
}

TEST(FFopWinMenuWinTest, SevenItemsWithoutRecentFoldersAndASeparatorAmongTheFavourites) {
    TrayInstall install(L"fopmenu");
    const std::wstring data = install.makeFolder(L"data");
    std::vector<std::wstring> favorites;
    for (int i = 0; i < 7; ++i)
        favorites.push_back(i == 2 ? L"-" : install.makeFolder(L"fav" + std::to_wstring(i)));
    install.writeFavorites(favorites);
    install.writeRecent({});
    std::vector<std::wstring> items;
    for (int i = 0; i < 7; ++i)
        items.push_back(data + L"\\item" + std::to_wstring(i) + L".txt");

    FTray tray(install.folder(), TrayMode::Recent);
    FFopWin fop(tray);
    ASSERT_TRUE(fop.window());
    const auto lines = shownMenu(fop, items);
    ASSERT_FALSE(lines.empty());
    ASSERT_NE(L"no menu", lines.front());

    // The header and its lines.
    std::vector<std::wstring> expectedStart{L"o 0 -1",
                                            L"  t 0 in " + data + L" [disabled]"};
    for (int i = 0; i < 5; ++i)
        expectedStart.push_back(L"  t 0 item" + std::to_wstring(i) + L".txt [disabled]");
    expectedStart.push_back(L"  t 0 　： [disabled]");
    expectedStart.push_back(L"- 0");
    expectedStart.push_back(L"t 0 コピー to 最近開いたフォルダ(&C)");
    expectedStart.push_back(L"  t 0 (なし) [disabled]");
    expectedStart.push_back(L"t 0 コピー to お気に入りフォルダ(&D)");
    ASSERT_GE(lines.size(), expectedStart.size());
    EXPECT_EQ(expectedStart, std::vector<std::wstring>(lines.begin(), lines.begin() + expectedStart.size()));

    // The favourites: R = 0, so copy's start at 1028; the separator keeps its identifier.
    const std::vector<std::wstring> copyFavorites{L"  o 1028 2000", L"  o 1029 2001", L"  - 1030",
                                                  L"  o 1031 2003", L"  o 1032 2004", L"  o 1033 2005",
                                                  L"  o 1034 2006"};
    const auto at = lines.begin() + static_cast<std::ptrdiff_t>(expectedStart.size());
    EXPECT_EQ(copyFavorites, std::vector<std::wstring>(at, at + 7));

    // Move's favourites come after copy's specials: 1028 + 7 + S.
    const auto moveAt = std::find(lines.begin(), lines.end(), L"t 0 移動 to お気に入りフォルダ(&N)");
    ASSERT_NE(lines.end(), moveAt);
    const auto specials = std::count_if(lines.begin(), lines.end(), [](const std::wstring& l) {
        return l.rfind(L"  o ", 0) == 0 && l.size() > 4 && l.substr(l.rfind(L' ') + 1, 2) == L"30";
    });
    ASSERT_GT(specials, 0);
    const long firstMoveFavourite = 1028 + 7 + specials / 2; // the specials appear under copy and move
    EXPECT_EQ(L"  o " + std::to_wstring(firstMoveFavourite) + L" 2000", *(moveAt + 1));
    EXPECT_EQ(L"t 1026 移動 to その他(&P)", lines.back()) << "no shortcuts and no rename for several items";
    EXPECT_EQ(lines.end(), std::find(lines.begin(), lines.end(), L"t 1024 名前の変更(&A)"));
}

} // namespace
} // namespace pvn::test
