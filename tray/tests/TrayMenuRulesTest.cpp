#include "tray/TrayMenuRules.h"

#include <gtest/gtest.h>

#include <map>

namespace pvn {
namespace {

TEST(TrayMenuRulesTest, IconClickMapping) {
    EXPECT_EQ(IconClickAction::RecentMenu, iconClickAction(false, false, false));
    EXPECT_EQ(IconClickAction::FavoritesMenu, iconClickAction(false, true, false));
    EXPECT_EQ(IconClickAction::FavoritesMenu, iconClickAction(false, false, true));
    EXPECT_EQ(IconClickAction::RecentMenu, iconClickAction(false, true, true));
    for (bool shift : {false, true})
        for (bool swapped : {false, true})
            EXPECT_EQ(IconClickAction::LastFolder, iconClickAction(true, shift, swapped));
}

TEST(TrayMenuRulesTest, ItemDataRoundTripsListAndIndex) {
    EXPECT_EQ(1000, entryItemData(kRecentList, 0));
    EXPECT_EQ(2999, entryItemData(kFavoritesList, 999));
    EXPECT_EQ((EntryRef{3, 17}), entryOfItemData(entryItemData(kSpecialList, 17)));
    EXPECT_EQ((EntryRef{0, 5}), entryOfItemData(5));
    EXPECT_FALSE(entryOfItemData(-1));
}

TEST(TrayMenuRulesTest, OnlyEntriesTheListsHoldAreActedOn) {
    EXPECT_EQ((EntryRef{1, 2}), actionableEntry(1002, 3, 0));
    EXPECT_EQ((EntryRef{2, 0}), actionableEntry(2000, 0, 1));
    EXPECT_FALSE(actionableEntry(-1, 10, 10)) << "nothing highlighted";
    EXPECT_FALSE(actionableEntry(1003, 3, 10)) << "index past the recent list";
    EXPECT_FALSE(actionableEntry(2001, 10, 1)) << "index past the favourites list";
    EXPECT_FALSE(actionableEntry(3000, 10, 10)) << "special folders belong to the file-operation menu";
    EXPECT_FALSE(actionableEntry(0, 10, 10));
    EXPECT_FALSE(actionableEntry(999, 10, 10));
    EXPECT_FALSE(actionableEntry(1000, 0, 10)) << "a record left over from an earlier, fuller menu";
}

TEST(TrayMenuRulesTest, TabPointerLandsInTheMiddleOfTheEntry) {
    EXPECT_EQ((PointerPosition{100 + 50, 200 + 22 + 9}), tabPointerPosition(100, 200, 3, 22, 103, 41));
    EXPECT_EQ((PointerPosition{-1000 + 10, -50 + 0 + 5}), tabPointerPosition(-1000, -50, 0, 0, 20, 10));
}

TEST(TrayMenuRulesTest, FavoriteShowsLastComponentUnlessRootOrSeparator) {
    EXPECT_EQ(L"Projects", favoriteShortText(L"D:\\Work\\Projects", true));
    EXPECT_EQ(L"share", favoriteShortText(L"\\\\server\\share", true));
    EXPECT_FALSE(favoriteShortText(L"D:\\", true));
    EXPECT_FALSE(favoriteShortText(L"-", true));
    EXPECT_FALSE(favoriteShortText(L"D:\\Work\\Projects", false));
}

TEST(TrayMenuRulesTest, IconSourceFollowsDriveType) {
    std::map<std::wstring, unsigned> types{{L"c:\\", 3}, {L"n:\\", kDriveRemote}, {L"q:\\", kDriveNoRoot},
                                           {L"u:\\", kDriveUnknown}, {L"e:\\", 2}};
    std::vector<std::wstring> asked;
    auto driveType = [&](std::wstring_view root) {
        asked.emplace_back(root);
        return types.at(std::wstring(root));
    };
    EXPECT_EQ(EntryIconSource::Shell, entryIconSource(L"c:\\Users", driveType));
    EXPECT_EQ(EntryIconSource::Shell, entryIconSource(L"e:\\", driveType));
    EXPECT_EQ(EntryIconSource::Network, entryIconSource(L"n:\\data", driveType));
    EXPECT_EQ(EntryIconSource::None, entryIconSource(L"q:\\gone", driveType));
    EXPECT_EQ(EntryIconSource::None, entryIconSource(L"u:\\x", driveType));
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\", L"e:\\", L"n:\\", L"q:\\", L"u:\\"}), asked);
    asked.clear();
    EXPECT_EQ(EntryIconSource::Network, entryIconSource(L"\\\\server\\share", driveType));
    EXPECT_EQ(EntryIconSource::None, entryIconSource(L"relative\\x", driveType));
    EXPECT_EQ(EntryIconSource::None, entryIconSource(L"c:", driveType));
    EXPECT_EQ(EntryIconSource::None, entryIconSource(L"-", driveType));
    EXPECT_TRUE(asked.empty());
}

TEST(TrayMenuRulesTest, TextWidthIsTwoThirdsOfTheScreen) {
    EXPECT_EQ(853, entryTextWidthLimit(1280));
    EXPECT_EQ(1280, entryTextWidthLimit(1920));
}

TEST(TrayMenuRulesTest, TrayMenuHasTheStartTypeEntryOnlyWithAVerb) {
    auto two = trayMenuItems(2);
    ASSERT_EQ(9u, two.size());
    EXPECT_EQ((TrayMenuItem{kTrayQuit, L"強制終了(&X)"}), two[0]);
    EXPECT_EQ((TrayMenuItem{kTrayReadMe, L"ReadMe.htm(&R)"}), two[3]);
    EXPECT_EQ(0u, two[4].id);
    EXPECT_EQ((TrayMenuItem{kTrayRemoveMissing, L"存在しないフォルダ履歴の削除(&D)"}), two[6]);
    EXPECT_EQ(0u, two[7].id);
    EXPECT_EQ((TrayMenuItem{kTrayToggleStartType, L"右クリック起動へ(&C)"}), two[8]);
    auto one = trayMenuItems(1);
    ASSERT_EQ(9u, one.size());
    EXPECT_EQ(L"ダブルクリック起動へ(&C)", one[8].text);
    auto none = trayMenuItems(0);
    ASSERT_EQ(7u, none.size()) << "no second separator, no start-type entry";
    EXPECT_EQ(kTrayRemoveMissing, none.back().id);
    EXPECT_EQ(L"ダブルクリック起動へ(&C)", trayMenuItems(7)[8].text) << "an out-of-range type offers type 2";
}

TEST(TrayMenuRulesTest, StartTypeToggle) {
    EXPECT_EQ(2u, toggledStartType(1));
    EXPECT_EQ(1u, toggledStartType(2));
    EXPECT_EQ(1u, toggledStartType(0));
    EXPECT_EQ(1u, toggledStartType(9));
}

TEST(TrayMenuRulesTest, VerbCommandQuotesTheProgram) {
    EXPECT_EQ(L"\"C:\\Tools\\Parvane\\PVNMain.exe\" %L", verbCommandLine(L"C:\\Tools\\Parvane"));
    EXPECT_EQ(L"\"D:\\PVNMain.exe\" %L", verbCommandLine(L"D:\\"));
}

} // namespace
} // namespace pvn
