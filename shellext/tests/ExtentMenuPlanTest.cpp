#include "shellext/ExtentMenuPlan.h"

#include <gtest/gtest.h>

#include <string>

namespace pvn {
namespace {

std::wstring describe(const ExtentMenuPlan& plan) {
    std::wstring out = plan.separator ? L"- " : L"";
    for (const auto& e : plan.entries)
        out += std::to_wstring(e.offset) + L":" + e.text + L" ";
    return out;
}

TEST(ExtentMenuPlanTest, EntriesAndOffsetsFollowTheSelection) {
    const auto folder = planExtentMenu(1, true, true);
    EXPECT_EQ(L"- 0:PVNファイル操作(&F) 1:PVN Dos Prompt(&K) 2:PVN Name to Clip.(&N) ", describe(folder));
    EXPECT_EQ(3u, folder.commandCount());

    const auto file = planExtentMenu(1, false, true);
    EXPECT_EQ(L"- 0:PVNファイル操作(&F) 1:PVN Name to Clip.(&N) ", describe(file));
    EXPECT_EQ(2u, file.commandCount());

    // With several items the folder flag is meaningless: only file operations.
    const auto several = planExtentMenu(3, true, true);
    EXPECT_EQ(L"- 0:PVNファイル操作(&F) ", describe(several));
    EXPECT_EQ(1u, several.commandCount());
}

TEST(ExtentMenuPlanTest, SeparatorOnlyBelowExistingItemsAndNothingWithoutASelection) {
    EXPECT_FALSE(planExtentMenu(1, true, false).separator);
    const auto none = planExtentMenu(0, true, true);
    EXPECT_TRUE(none.entries.empty());
    EXPECT_FALSE(none.separator);
    EXPECT_EQ(0u, none.commandCount());
}

TEST(ExtentMenuPlanTest, CommandAtFindsOnlyOffsetsInThePlan) {
    const auto file = planExtentMenu(1, false, true);
    EXPECT_EQ(ExtentCommand::FileOperations, file.commandAt(0));
    EXPECT_EQ(ExtentCommand::CopyName, file.commandAt(1)) << "the name copy moves up when the prompt is left out";
    EXPECT_FALSE(file.commandAt(2));
    EXPECT_FALSE(ExtentMenuPlan{}.commandAt(0)) << "nothing added: not even file operations";
    EXPECT_EQ(ExtentCommand::CommandPrompt, planExtentMenu(1, true, false).commandAt(1));
}

TEST(ExtentMenuPlanTest, SelectedPathsUpToMaxPathLessTheNul) {
    EXPECT_FALSE(selectedPathFits(L""));
    EXPECT_TRUE(selectedPathFits(L"C:\\"));
    EXPECT_TRUE(selectedPathFits(std::wstring(259, L'a')));
    EXPECT_FALSE(selectedPathFits(std::wstring(260, L'a')));
    EXPECT_FALSE(selectedPathFits(std::wstring(32000, L'a')));
}

} // namespace
} // namespace pvn
