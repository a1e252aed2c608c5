// QueryContextMenu on real pop-up menus with the shell's own data objects, against common's stand-in
// tray: which entries appear, where, with which identifiers, and what Explorer is told.
#include "common/RequestCode.h"
#include "shellext/tests/DropFilesBuilder.h"
#include "shellext/tests/support/ExtensionHost_win.h"
#include "shellext/tests/support/TrayStandIn_win.h"
#include "shellext/tests/support/TestDataObject_win.h"

#include <gtest/gtest.h>

namespace pvn::test {
namespace {

constexpr UINT kFirst = 100;
constexpr UINT kLast = 0x7FFF;

class ShellExtentMenuTest : public ::testing::Test {
protected:
    ScopedCoInit m_com;
    SettingBackup m_trayHandle{L"PVNTrayHandle"};
    SettingBackup m_addContext{L"AddContext"};
    ExtensionLibrary m_library;
    FixtureFolder m_fixture{FixtureFolder::inTemp(L"PvnShlExMenu")};
    UniqueMenu m_menu{CreatePopupMenu()};

    void SetUp() override {
        ASSERT_TRUE(m_library.loaded());
        m_addContext.remove();
        // Two entries of Explorer's own, so that ours go between them.
        AppendMenuW(m_menu.get(), MF_STRING, 1, L"開く(&O)");
        AppendMenuW(m_menu.get(), MF_STRING, 2, L"プロパティ(&R)");
    }

    // A new extension initialised with the shell's data object for the paths.
    ComPtr<IContextMenu> menuFor(const std::vector<std::wstring>& paths) {
        ComPtr<IContextMenu> menu = m_library.createMenu();
        ComPtr<IDataObject> data = shellDataObject(paths);
        EXPECT_TRUE(menu && data);
        if (menu && data) {
            EXPECT_EQ(S_OK, initialize(*menu.get(), data.get()));
        }
        return menu;
    }

    HRESULT query(IContextMenu& menu, UINT index = 1, UINT flags = CMF_NORMAL, UINT last = kLast) {
        return menu.QueryContextMenu(m_menu.get(), index, kFirst, last, flags);
    }

    std::vector<MenuEntry> explorersOwn() const { return {{1, false, L"開く(&O)"}, {2, false, L"プロパティ(&R)"}}; }
};

TEST_F(ShellExtentMenuTest, OneFolderGetsAllThreeEntriesBelowASeparator) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    auto menu = menuFor({m_fixture.folder(L"フォルダ")});
    ASSERT_TRUE(menu);
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 3), query(*menu.get()));
    const std::vector<MenuEntry> expected = {{1, false, L"開く(&O)"},
                                             {0xFFFF, true, L""},
                                             {kFirst + 0, false, L"PVNファイル操作(&F)"},
                                             {kFirst + 1, false, L"PVN Dos Prompt(&K)"},
                                             {kFirst + 2, false, L"PVN Name to Clip.(&N)"},
                                             {2, false, L"プロパティ(&R)"}};
    EXPECT_EQ(expected, menuEntries(m_menu.get()));

    const auto requests = tray.requests();
    ASSERT_EQ(1u, requests.size()) << "only the presence test while the menu is built";
    EXPECT_EQ(toWParam(RequestCode::PresenceTest), requests[0].code);
}

TEST_F(ShellExtentMenuTest, OneFileGetsFileOperationsAndTheNameWithNothingBetween) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    auto menu = menuFor({m_fixture.file(L"メモ.txt")});
    ASSERT_TRUE(menu);
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2), query(*menu.get()));
    const std::vector<MenuEntry> expected = {{1, false, L"開く(&O)"},
                                             {0xFFFF, true, L""},
                                             {kFirst + 0, false, L"PVNファイル操作(&F)"},
                                             {kFirst + 1, false, L"PVN Name to Clip.(&N)"},
                                             {2, false, L"プロパティ(&R)"}};
    EXPECT_EQ(expected, menuEntries(m_menu.get()));
}

TEST_F(ShellExtentMenuTest, SeveralItemsGetOnlyFileOperations) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    auto menu = menuFor({m_fixture.file(L"a.txt"), m_fixture.folder(L"b"), m_fixture.file(L"c d.txt")});
    ASSERT_TRUE(menu);
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 1), query(*menu.get(), 2));
    const std::vector<MenuEntry> expected = {{1, false, L"開く(&O)"},
                                             {2, false, L"プロパティ(&R)"},
                                             {0xFFFF, true, L""},
                                             {kFirst, false, L"PVNファイル操作(&F)"}};
    EXPECT_EQ(expected, menuEntries(m_menu.get()));
}

TEST_F(ShellExtentMenuTest, AnEmptyMenuGetsNoSeparator) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    UniqueMenu empty(CreatePopupMenu());
    auto menu = menuFor({m_fixture.file(L"a.txt")});
    ASSERT_TRUE(menu);
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2), menu->QueryContextMenu(empty.get(), 0, 7, 20, CMF_EXPLORE));
    const std::vector<MenuEntry> expected = {{7, false, L"PVNファイル操作(&F)"}, {8, false, L"PVN Name to Clip.(&N)"}};
    EXPECT_EQ(expected, menuEntries(empty.get()));
}

TEST_F(ShellExtentMenuTest, AddContextOffAddsNothingAndSucceedsWithoutAskingTheTray) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    m_addContext.setDword(0);
    auto menu = menuFor({m_fixture.folder(L"x")});
    ASSERT_TRUE(menu);
    EXPECT_EQ(S_OK, query(*menu.get()));
    EXPECT_EQ(explorersOwn(), menuEntries(m_menu.get()));
    EXPECT_TRUE(tray.requests().empty());

    m_addContext.setDword(7); // any non-zero value is on
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 3), query(*menu.get()));
}

TEST_F(ShellExtentMenuTest, VerbsOnlyIsRefused) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    auto menu = menuFor({m_fixture.folder(L"x")});
    ASSERT_TRUE(menu);
    EXPECT_EQ(E_FAIL, query(*menu.get(), 1, CMF_VERBSONLY));
    EXPECT_EQ(explorersOwn(), menuEntries(m_menu.get()));
}

TEST_F(ShellExtentMenuTest, ADoubleClickAddsNothingAndLeavesTheTrayAlone) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    auto menu = menuFor({m_fixture.folder(L"x")});
    ASSERT_TRUE(menu);
    EXPECT_EQ(S_OK, query(*menu.get(), 1, CMF_DEFAULTONLY));
    EXPECT_EQ(explorersOwn(), menuEntries(m_menu.get()));
    EXPECT_TRUE(tray.requests().empty());
}

TEST_F(ShellExtentMenuTest, WithoutATrayThereAreNoEntries) {
    auto menu = menuFor({m_fixture.folder(L"x")});
    ASSERT_TRUE(menu);

    m_trayHandle.remove();
    EXPECT_EQ(E_FAIL, query(*menu.get())) << "no PVNTrayHandle";

    {
        TrayStandIn tray;
        ASSERT_TRUE(tray.running());
        tray.stop();
        EXPECT_EQ(E_FAIL, query(*menu.get())) << "the handle of a tray that has gone";
    }

    // A stale number that Windows has given to another program's window.
    UniqueWindow other(CreateWindowExW(0, L"STATIC", L"not the tray", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                       nullptr, nullptr));
    m_trayHandle.setDword(HandleToULong(other.get()));
    EXPECT_EQ(E_FAIL, query(*menu.get())) << "a window of another class";
    EXPECT_EQ(explorersOwn(), menuEntries(m_menu.get()));
}

TEST_F(ShellExtentMenuTest, AHungTrayCostsTheMenuSecondsNotForever) {
    TrayStandIn tray(L"hang=20000");
    ASSERT_TRUE(tray.running());
    auto menu = menuFor({m_fixture.folder(L"x")});
    ASSERT_TRUE(menu);
    const DWORD start = GetTickCount();
    EXPECT_EQ(E_FAIL, query(*menu.get()));
    EXPECT_LT(GetTickCount() - start, 10000u);
    EXPECT_EQ(explorersOwn(), menuEntries(m_menu.get()));
}

TEST_F(ShellExtentMenuTest, BadSelectionsAndArgumentsFailWithoutEntries) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());

    auto menu = m_library.createMenu();
    ASSERT_TRUE(menu);
    EXPECT_EQ(E_FAIL, query(*menu.get())) << "never initialised";

    auto textOnly = TestDataObject::make(std::nullopt);
    EXPECT_EQ(S_OK, initialize(*menu.get(), textOnly.get()));
    EXPECT_EQ(E_FAIL, query(*menu.get())) << "no CF_HDROP";

    auto empty = TestDataObject::make(wideDropFiles({}));
    EXPECT_EQ(S_OK, initialize(*menu.get(), empty.get()));
    EXPECT_EQ(E_FAIL, query(*menu.get())) << "no names";

    auto header = dropFilesHeader(0x7FFFFFF0);
    putWide(header, std::u16string(u"C:\\a\0\0", 6));
    auto broken = TestDataObject::make(header);
    EXPECT_EQ(S_OK, initialize(*menu.get(), broken.get()));
    EXPECT_EQ(E_FAIL, query(*menu.get())) << "names said to lie beyond the block";

    auto unterminated = dropFilesHeader();
    // 48 bytes in all, so that no rounding of the global block can add a NUL after it.
    putWide(unterminated, u"C:\\Windows\\abc");
    auto open = TestDataObject::make(unterminated);
    EXPECT_EQ(S_OK, initialize(*menu.get(), open.get()));
    EXPECT_EQ(E_FAIL, query(*menu.get())) << "a name running to the end of the block";

    auto tooLong = TestDataObject::make(wideDropFiles({u"C:\\" + std::u16string(32000, u'x')}));
    EXPECT_EQ(S_OK, initialize(*menu.get(), tooLong.get()));
    EXPECT_EQ(E_FAIL, query(*menu.get())) << "a path of 32,000 characters";
    EXPECT_EQ(explorersOwn(), menuEntries(m_menu.get()));

    auto good = TestDataObject::make(wideDropFiles({u"C:\\windows"}));
    EXPECT_EQ(S_OK, initialize(*menu.get(), good.get()));
    EXPECT_EQ(E_FAIL, menu->QueryContextMenu(nullptr, 0, kFirst, kLast, CMF_NORMAL)) << "no menu";
    EXPECT_EQ(E_FAIL, query(*menu.get(), 1, CMF_NORMAL, kFirst + 1)) << "room for two identifiers, three needed";
    EXPECT_EQ(explorersOwn(), menuEntries(m_menu.get()));
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 3), query(*menu.get(), 1, CMF_NORMAL, kFirst + 2))
        << "exactly enough room; C:\\windows is a folder";
}

} // namespace
} // namespace pvn::test
