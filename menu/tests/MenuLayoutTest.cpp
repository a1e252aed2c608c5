#include "menu/MenuLayout.h"
#include "menu/MenuItemCode.h"
#include "menu/MenuItemTable.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

constexpr int kItem = 19; // small icon 16 + 3
constexpr int kSep = 9;

std::vector<std::wstring> names(const wchar_t* prefix, int count) {
    std::vector<std::wstring> out;
    for (int i = 0; i < count; ++i)
        out.push_back(std::wstring(L"c:\\d\\") + prefix + std::to_wstring(i));
    return out;
}

std::vector<LayoutKind> kinds(const std::vector<LayoutItem>& items) {
    std::vector<LayoutKind> out;
    for (const LayoutItem& i : items)
        out.push_back(i.kind);
    return out;
}

ColumnTracker plain() {
    return ColumnTracker(OverflowMode::None, 1024, kItem, kSep);
}

using K = LayoutKind;

TEST(FolderMenuLayout, EmptyFolderHoldsOnlyOpenWithoutSeparator) {
    ColumnTracker column = plain();
    auto items = layoutFolderMenu(L"c:\\d", FolderContents{}, {}, column);
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ((LayoutItem{K::Open, L"c:\\d", L"開く", false}), items[0]);
    EXPECT_EQ(kItem, column.height());
}

TEST(FolderMenuLayout, InaccessibleFolderHoldsOnlyTheDisabledItem) {
    ColumnTracker column = plain();
    auto items = layoutFolderMenu(L"c:\\d", std::nullopt, {}, column);
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ(K::Info, items[0].kind);
    EXPECT_EQ(L"アクセス不可", items[0].text);
}

TEST(FolderMenuLayout, FoldersThenFilesWithTextsAfterTheLastBackslash) {
    ColumnTracker column = plain();
    FolderContents c{{L"c:\\d\\sub"}, {L"c:\\d\\a.txt", L"c:\\d\\b"}};
    auto items = layoutFolderMenu(L"c:\\d", c, {}, column);
    EXPECT_EQ((std::vector<K>{K::Open, K::Separator, K::SubFolder, K::File, K::File}), kinds(items));
    EXPECT_EQ(L"sub", items[2].text);
    EXPECT_EQ(L"c:\\d\\a.txt", items[3].path);
    EXPECT_EQ(L"a.txt", items[3].text);
    EXPECT_EQ(4 * kItem + kSep, column.height());
}

TEST(FolderMenuLayout, FilesOnlyWithFilesTogetherAreListedDirectly) {
    ColumnTracker column = plain();
    FolderContents c{{}, names(L"f", 3)};
    auto items = layoutFolderMenu(L"c:\\d", c, {0, false, true}, column);
    EXPECT_EQ((std::vector<K>{K::Open, K::Separator, K::File, K::File, K::File}), kinds(items));
}

TEST(FolderMenuLayout, FilesTogetherMakesOneGroupMarkedWithTheFolder) {
    ColumnTracker column = plain();
    FolderContents c{names(L"s", 2), names(L"f", 3)};
    auto items = layoutFolderMenu(L"c:\\d", c, {0, false, true}, column);
    EXPECT_EQ((std::vector<K>{K::Open, K::Separator, K::SubFolder, K::SubFolder, K::FilesGroup}),
              kinds(items));
    EXPECT_EQ(L"*FM* c:\\d", items[4].path);
    EXPECT_EQ(L"<ファイル>", items[4].text);
    EXPECT_TRUE(isFilesGroupPath(items[4].path));
}

TEST(FolderMenuLayout, FileNumReplacesTooManyFilesByTheirCount) {
    ColumnTracker column = plain();
    FolderContents c{names(L"s", 10), names(L"f", 150)};
    auto items = layoutFolderMenu(L"c:\\d", c, {100, false, false}, column);
    ASSERT_EQ(13u, items.size());
    EXPECT_EQ(K::SubFolder, items[11].kind);
    EXPECT_EQ(K::Info, items[12].kind);
    EXPECT_EQ(L"150個のファイル", items[12].text);

    auto above = layoutFolderMenu(L"c:\\d", c, {100, true, false}, column);
    ASSERT_EQ(13u, above.size());
    EXPECT_EQ(L"150個のファイル", above[2].text);
    EXPECT_EQ(K::SubFolder, above[3].kind);
}

TEST(FolderMenuLayout, FileNumWithTooManyFoldersLeavesOnlyOpen) {
    ColumnTracker column = plain();
    FolderContents c{names(L"s", 150), names(L"f", 5)};
    auto items = layoutFolderMenu(L"c:\\d", c, {100, false, false}, column);
    EXPECT_EQ((std::vector<K>{K::Open}), kinds(items));
    // Exactly at the limit is still shown.
    FolderContents limit{names(L"s", 100), {}};
    EXPECT_EQ(102u, layoutFolderMenu(L"c:\\d", limit, {100, false, false}, column).size());
}

TEST(FolderMenuLayout, FilesAboveFoldersWithoutFilesShowsTheNoFileItem) {
    ColumnTracker column = plain();
    FolderContents c{names(L"s", 2), {}};
    auto items = layoutFolderMenu(L"c:\\d", c, {0, true, false}, column);
    EXPECT_EQ((std::vector<K>{K::Open, K::Separator, K::Info, K::SubFolder, K::SubFolder}), kinds(items));
    EXPECT_EQ(L"当該ファイル無", items[2].text);
    // Below the folders the file part needs at least one file.
    EXPECT_EQ(4u, layoutFolderMenu(L"c:\\d", c, {0, false, false}, column).size());
}

TEST(FolderMenuLayout, LazyFilesOfAGroup) {
    ColumnTracker column = plain();
    EXPECT_EQ((std::vector<K>{K::Info}), kinds(layoutFiles({}, column)));
    EXPECT_EQ((std::vector<K>{K::File, K::File}), kinds(layoutFiles(names(L"f", 2), column)));
    EXPECT_EQ(2 * kItem, column.height()) << "a lazy fill starts counting at zero";
}

// 20 items of 19 pixels fit in a 400-pixel monitor before H - h = 381 is exceeded.
TEST(Overflow, WrapStartsNewColumnsAndCountsTheBreakingItemAlone) {
    ColumnTracker column(OverflowMode::Wrap, 400, kItem, kSep);
    FolderContents c{{}, names(L"f", 60)};
    auto items = layoutFolderMenu(L"c:\\d", c, {}, column);
    std::vector<std::size_t> breaks;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].columnBreak)
            breaks.push_back(i);
    // Open(19) + sep(9) + 19 files = 389 > 381 at the 19th file (index 20).
    ASSERT_EQ(3u, breaks.size());
    EXPECT_EQ(20u, breaks[0]);
    EXPECT_EQ(40u, breaks[1]);
    EXPECT_EQ(60u, breaks[2]);
    EXPECT_EQ(2 * kItem, column.height());
}

TEST(Overflow, WrapLeavesAboutOutWhenTheLastColumnIsFull) {
    ColumnTracker column(OverflowMode::Wrap, 400, kItem, kSep);
    layoutFiles(names(L"f", 19), column); // 361, still one column
    EXPECT_TRUE(layoutAbout(column).empty()) << "9 + 361 + 19 >= 381";
    ColumnTracker roomy(OverflowMode::Wrap, 400, kItem, kSep);
    layoutFiles(names(L"f", 17), roomy); // 323: 351 < 381
    auto about = layoutAbout(roomy);
    ASSERT_EQ(2u, about.size());
    EXPECT_EQ(K::Separator, about[0].kind);
    EXPECT_EQ((LayoutItem{K::About, L"About", L"About", false}), about[1]);
    EXPECT_EQ(323 + kSep + kItem, roomy.height());
    ColumnTracker none(OverflowMode::None, 100, kItem, kSep);
    layoutFiles(names(L"f", 50), none);
    EXPECT_EQ(2u, layoutAbout(none).size()) << "only wrapping drops About";
}

TEST(Overflow, MoreMenusChainAndCountFromZero) {
    // H - 2h = 162: a folder or file goes into "more" once h + height exceeds it.
    ColumnTracker column(OverflowMode::More, 200, kItem, kSep);
    FolderContents c{names(L"s", 3), names(L"f", 20)};
    auto items = layoutFolderMenu(L"c:\\d", c, {}, column);
    std::vector<std::size_t> more;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].kind == K::More) {
            more.push_back(i);
            EXPECT_EQ(L"more", items[i].path);
        }
    // Root: Open 19 + sep 9 + 3 folders + 4 files = 161; the next (161 + 19 > 162) opens "more".
    ASSERT_GE(more.size(), 2u);
    EXPECT_EQ(9u, more[0]);
    // A "more" menu holds 8 items: after 8 * 19 = 152, 19 + 152 = 171 > 162.
    EXPECT_EQ(more[0] + 9, more[1]);
    EXPECT_EQ(K::File, items.back().kind);
    // About then goes into the last "more" menu: mode 2 never drops it.
    EXPECT_EQ(2u, layoutAbout(column).size());
}

TEST(Overflow, SettingValuesOutsideTheModesMeanNone) {
    EXPECT_EQ(OverflowMode::None, overflowModeFromSetting(0));
    EXPECT_EQ(OverflowMode::Wrap, overflowModeFromSetting(1));
    EXPECT_EQ(OverflowMode::More, overflowModeFromSetting(2));
    EXPECT_EQ(OverflowMode::None, overflowModeFromSetting(7));
}

TEST(DriveMenuLayout, OpenSeparatorAndDrivesInOrder) {
    ColumnTracker column = plain();
    auto items = layoutDriveMenu({{L"d:\\", L"d:"}, {L"c:\\", L"c:[System]"}}, column);
    EXPECT_EQ((std::vector<K>{K::DriveOpen, K::Separator, K::Drive, K::Drive}), kinds(items));
    EXPECT_TRUE(items[0].path.empty());
    EXPECT_EQ(L"開く", items[0].text);
    EXPECT_EQ(L"d:\\", items[2].path);
    EXPECT_EQ(L"c:[System]", items[3].text);
}

TEST(MenuItemTable, IndexesSkipTheSeparatorIdentifier) {
    MenuItemTable table;
    for (std::size_t i = 0; i < MenuItemTable::kReservedIndex; ++i)
        ASSERT_EQ(static_cast<int>(i), table.add(L"p", kCodeFile));
    const int next = table.add(L"c:\\after", kCodeOpen);
    EXPECT_EQ(0x10000, next);
    EXPECT_EQ(L"c:\\after", table.path(next));
    EXPECT_EQ(kCodeOpen, table.code(next));
    EXPECT_FALSE(
        isRealItem(table.code(MenuItemTable::kReservedIndex), table.path(MenuItemTable::kReservedIndex)));
    EXPECT_FALSE(table.contains(-1));
    EXPECT_FALSE(table.contains(0x10001));
}

TEST(MenuItemCodes, RealItemsAndCtrlKinds) {
    EXPECT_TRUE(isRealItem(kCodeFile, L"c:\\a"));
    EXPECT_TRUE(isRealItem(kCodeDriveOpen, L""));
    EXPECT_TRUE(isRealItem(1234, L"c:\\sub"));
    EXPECT_FALSE(isRealItem(1234, L"*FM* c:\\sub"));
    EXPECT_FALSE(isRealItem(1234, L"more"));
    EXPECT_FALSE(isRealItem(kCodeAbout, L"About"));
    EXPECT_FALSE(isRealItem(kCodeInfo, L"アクセス不可"));
    EXPECT_EQ(4u, ctrlItemKind(kCodeFile));
    EXPECT_EQ(3u, ctrlItemKind(kCodeOpen));
    EXPECT_EQ(3u, ctrlItemKind(0x1234));
    EXPECT_EQ(0u, ctrlItemKind(0));
}

} // namespace
} // namespace pvn
