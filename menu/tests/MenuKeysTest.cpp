#include "menu/MenuKeys.h"
#include "menu/TooltipText.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(MenuKeys, FirstLetterCyclesThroughTheMatches) {
    // Position 1 is a separator (not owner-drawn, so not listed).
    std::vector<MenuCharItem> items{
        {0, 10, L'開'}, {2, 11, L'a'}, {3, 12, L'b'}, {4, 13, L'a'}, {5, 14, L'a'}};
    EXPECT_EQ(2, firstLetterPosition(items, L'a', -1));
    EXPECT_EQ(4, firstLetterPosition(items, L'a', 11));
    EXPECT_EQ(5, firstLetterPosition(items, L'a', 13));
    EXPECT_EQ(2, firstLetterPosition(items, L'a', 14)) << "wraps to the first match";
    EXPECT_EQ(-1, firstLetterPosition(items, L'q', 11));
}

TEST(MenuKeys, CtrlLettersWinOverEveryOtherKey) {
    EXPECT_EQ(MenuCharAction::CtrlLetter, classifyMenuChar(1, true));
    EXPECT_EQ(MenuCharAction::CtrlLetter, classifyMenuChar(8, true)) << "Ctrl+H, not Backspace";
    EXPECT_EQ(MenuCharAction::BackToOpen, classifyMenuChar(8, false));
    EXPECT_EQ(MenuCharAction::ContextMenu, classifyMenuChar(9, false));
    EXPECT_EQ(MenuCharAction::Preview, classifyMenuChar(L' ', true));
    EXPECT_EQ(MenuCharAction::FirstLetter, classifyMenuChar(L'x', false));
    EXPECT_EQ(MenuCharAction::FirstLetter, classifyMenuChar(27, true));
}

TEST(MenuKeys, TabPointIsTheItemCentre) {
    EXPECT_EQ((IntPoint{100 + 50, 200 + 38 + 9}), tabPoint(100, 200, 3, 38, 103, 57));
}

TEST(TooltipText, AttributeLineInOrderWithoutTrailingComma) {
    EXPECT_EQ(L"読取専用,隠しファイル,アーカイブでない", attributeLine({true, true, false, false}));
    EXPECT_EQ(L"システム", attributeLine({false, false, true, true}));
    EXPECT_EQ(L"", attributeLine({}));
}

TEST(TooltipText, FileLinesGroupTheSize) {
    auto lines = fileTooltipLines(1234567, L"c", L"w", L"a", {});
    EXPECT_EQ(
        (std::vector<std::wstring>{L"1,234,567 バイト", L"作成日時 c", L"更新日時 w", L"アクセス日時 a"}),
        lines);
    EXPECT_EQ(L"0 バイト", fileTooltipLines(0, L"", L"", L"", {})[0]);
    EXPECT_EQ(5u, fileTooltipLines(0, L"", L"", L"", {true, false, true, false}).size());
}

TEST(TooltipText, DriveLinesNeverUnderflow) {
    EXPECT_EQ(
        (std::vector<std::wstring>{L"NTFS", L"容量 2,000 バイト", L"使用 1,500 バイト", L"空き 500 バイト"}),
        driveTooltipLines(L"NTFS", 2000, 500));
    auto noMedium = driveTooltipLines(L"", 0, 0);
    ASSERT_EQ(3u, noMedium.size());
    EXPECT_EQ(L"使用 0 バイト", noMedium[1]);
    EXPECT_EQ(L"使用 0 バイト", driveTooltipLines(L"", 10, 20)[1]);
}

} // namespace
} // namespace pvn
