// FFolderList inside the test process: icons by kind of path, the shared network icon, shortened
// texts and the menu it fills.
#include "tray/FFolderList_win.h"

#include "common/MenuWindow_win.h"
#include "tray/NetworkIcon_win.h"
#include "tray/TrayMenuRules.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

class FFolderListWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(m_window);
        m_font = createMenuFont();
    }

    int textWidth(const std::wstring& text) {
        ScopedGetDC dc(m_window.get());
        ScopedSelect font(dc.get(), m_font.get());
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    UniqueWindow m_window;
    UniqueFont m_font;
};

bool iconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

TEST_F(FFolderListWinTest, IconsFollowTheKindOfPathAndTheNetworkIconIsShared) {
    ASSERT_TRUE(networkIcon()) << "the Network folder has an icon";
    FFolderList list(m_window.get(), m_font.get());
    EXPECT_EQ(0, list.add(L"c:\\windows"));
    EXPECT_EQ(1, list.add(L"\\\\server\\share\\docs"));
    EXPECT_EQ(2, list.add(L"relative\\folder"));
    EXPECT_TRUE(list.openIcon(0));
    EXPECT_TRUE(list.closedIcon(0));
    EXPECT_NE(list.openIcon(0), list.closedIcon(0)) << "an icon of its own for each state";
    EXPECT_EQ(networkIcon(), list.openIcon(1));
    EXPECT_EQ(networkIcon(), list.closedIcon(1));
    EXPECT_FALSE(list.openIcon(2));
    EXPECT_FALSE(list.closedIcon(2));
    const HICON own = list.closedIcon(0);
    list.clear();
    EXPECT_EQ(0, list.count());
    EXPECT_FALSE(iconAlive(own)) << "the list's own icons go with the entries";
    EXPECT_TRUE(iconAlive(networkIcon())) << "the shared one stays";
}

TEST_F(FFolderListWinTest, UnknownDriveHasNoIconsAndAsksForNoDisk) {
    wchar_t letter = 0;
    for (wchar_t d = L'Y'; d > L'D'; --d) {
        const wchar_t root[] = {d, L':', L'\\', 0};
        if (GetDriveTypeW(root) == DRIVE_NO_ROOT_DIR) {
            letter = d;
            break;
        }
    }
    ASSERT_TRUE(letter);
    FFolderList list(m_window.get(), m_font.get());
    list.add(std::wstring(1, letter) + L":\\gone");
    EXPECT_FALSE(list.openIcon(0));
    EXPECT_FALSE(list.closedIcon(0));
}

TEST_F(FFolderListWinTest, LongPathsAreShortenedToTwoThirdsOfTheScreen) {
    std::wstring path = L"c:\\";
    while (textWidth(path) < GetSystemMetrics(SM_CXSCREEN))
        path += L"a rather long folder name\\";
    path += L"last";
    FFolderList list(m_window.get(), m_font.get());
    list.add(path);
    list.add(L"c:\\short");
    list.add(path, L"given");
    EXPECT_EQ(path, list.path(0));
    EXPECT_NE(path, list.text(0));
    EXPECT_EQ(0u, list.text(0).rfind(L"c:\\...\\", 0)) << "the root stays, leading folders go";
    EXPECT_LT(textWidth(list.text(0)), entryTextWidthLimit(GetSystemMetrics(SM_CXSCREEN)));
    EXPECT_EQ(L"c:\\short", list.text(1));
    EXPECT_EQ(L"given", list.text(2));
}

TEST_F(FFolderListWinTest, MenuHasOwnerDrawnEntriesSeparatorsAndIdentifiersFromOne) {
    FFolderList list(m_window.get(), m_font.get());
    for (const wchar_t* path : {L"c:\\windows", L"-", L"c:\\users"})
        list.add(path);
    UniqueMenu menu(CreatePopupMenu());
    list.fillMenu(menu.get(), kFavoritesList);
    ASSERT_EQ(3, GetMenuItemCount(menu.get()));
    for (UINT i = 0; i < 3; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
        ASSERT_TRUE(GetMenuItemInfoW(menu.get(), i, TRUE, &info));
        EXPECT_EQ(i + 1, info.wID);
        if (i == 1) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
        } else {
            EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
            EXPECT_EQ(static_cast<ULONG_PTR>(2000 + i), info.dwItemData);
        }
    }
}

} // namespace
} // namespace pvn
