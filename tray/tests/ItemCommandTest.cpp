#include "tray/ItemCommand.h"

#include "common/SettingsTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace pvn {
namespace {

ItemCommandInput onItem(std::wstring binding, unsigned kind, std::wstring item, std::wstring folder = L"C:\\d") {
    ItemCommandInput input;
    input.binding = std::move(binding);
    input.itemKind = kind;
    input.item = std::move(item);
    input.folder = std::move(folder);
    return input;
}

struct WordCase {
    const wchar_t* binding;
    unsigned kind;
    const wchar_t* item;
    ItemAction action;
    std::intptr_t answer;
    const wchar_t* verb;
};

class ItemWordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(ItemWordTest, PlansTheWordForTheItem) {
    const WordCase& c = GetParam();
    const ItemCommandPlan plan = planItemCommand(onItem(c.binding, c.kind, c.item));
    EXPECT_EQ(c.action, plan.action);
    EXPECT_EQ(c.answer, plan.answer);
    if (c.verb) {
        EXPECT_STREQ(c.verb, plan.verb);
    }
    if (c.action != ItemAction::Nothing && c.action != ItemAction::ClipToName) {
        EXPECT_EQ(c.item, plan.target);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, ItemWordTest,
    ::testing::Values(
        WordCase{L"command", kFolderItemKind, L"C:\\d\\sub", ItemAction::CommandPrompt, 1, nullptr},
        WordCase{L"command", kFileItemKind, L"C:\\d\\a.txt", ItemAction::Nothing, 0, nullptr},
        WordCase{L"command", 0, L"C:\\d\\a.txt", ItemAction::Nothing, 0, nullptr},
        WordCase{L"print", kFileItemKind, L"C:\\d\\a.txt", ItemAction::Print, 1, nullptr},
        WordCase{L"print", kFolderItemKind, L"C:\\d\\sub", ItemAction::Nothing, 0, nullptr},
        // Shell commands go by their canonical verbs, never by a menu position.
        WordCase{L"property", kFileItemKind, L"C:\\", ItemAction::ShellCommand, 1, L"properties"},
        WordCase{L"shortcut", kFileItemKind, L"C:\\d\\a.txt", ItemAction::ShellCommand, 1, L"link"},
        WordCase{L"cut", kFileItemKind, L"C:\\d\\a.txt", ItemAction::ShellCommand, 1, L"cut"},
        WordCase{L"copy", kFileItemKind, L"C:\\d\\a.txt", ItemAction::ShellCommand, 1, L"copy"},
        WordCase{L"paste", kFolderItemKind, L"C:\\d\\sub", ItemAction::ShellCommand, 1, L"paste"},
        WordCase{L"delete", kFileItemKind, L"C:\\d\\a.txt", ItemAction::Finish, 3, nullptr},
        WordCase{L"fileop", kFileItemKind, L"C:\\d\\a.txt", ItemAction::Finish, 1, nullptr},
        WordCase{L"rename", kFolderItemKind, L"C:\\d\\sub", ItemAction::Finish, 1, nullptr},
        WordCase{L"selectopen", kFileItemKind, L"C:\\d\\a.txt", ItemAction::SelectOpen, 1, nullptr},
        WordCase{L"startopen", kFileItemKind, L"C:\\d\\a.txt", ItemAction::StartOpen, 1, nullptr},
        // A drive root is refused by every word that would move, rename or delete it.
        WordCase{L"rename", kFolderItemKind, L"D:\\", ItemAction::Nothing, 0, nullptr},
        WordCase{L"delete", kFolderItemKind, L"D:\\", ItemAction::Nothing, 0, nullptr},
        WordCase{L"fileop", kFolderItemKind, L"D:\\", ItemAction::Nothing, 0, nullptr},
        WordCase{L"copy", kFolderItemKind, L"D:\\", ItemAction::Nothing, 0, nullptr},
        WordCase{L"cliptoname", kFolderItemKind, L"D:\\", ItemAction::Nothing, 0, nullptr},
        WordCase{L"none", kFileItemKind, L"C:\\d\\a.txt", ItemAction::Nothing, 0, nullptr},
        WordCase{L"", kFileItemKind, L"C:\\d\\a.txt", ItemAction::Nothing, 0, nullptr}));

TEST(ItemCommandTest, EveryKeywordOfTheSettingsIsAWordOfTheTray) {
    for (const auto& keyword : ctrlKeywords()) {
        if (keyword.keyword == L"none" || keyword.keyword == L"openexe")
            continue;
        const ItemCommandPlan plan = planItemCommand(onItem(std::wstring(keyword.keyword), kFolderItemKind, L"C:\\d\\x"));
        EXPECT_NE(ItemAction::CommandLine, plan.action) << "a keyword run as a command line";
    }
}

TEST(ItemCommandTest, AnyOtherTextIsACommandLineForTheItem) {
    const ItemCommandPlan plan = planItemCommand(onItem(L"notepad %l", kFileItemKind, L"C:\\d\\a.txt"));
    EXPECT_EQ(ItemAction::CommandLine, plan.action);
    EXPECT_EQ(L"notepad %l", plan.commandLine);
    EXPECT_EQ(L"C:\\d\\a.txt", plan.target);
    EXPECT_EQ(ItemAction::CommandLine, planItemCommand(onItem(L"UP", kFolderItemKind, L"C:\\d")).action)
        << "keywords are compared exactly";
}

TEST(ItemCommandTest, FinishesCarryTheirCodeAndWhetherTheWindowGoesToTheCursor) {
    const auto fileOp = planItemCommand(onItem(L"fileop", kFileItemKind, L"C:\\d\\a.txt"));
    EXPECT_EQ(FinishCode::FileOperationMenu, fileOp.finish);
    EXPECT_TRUE(fileOp.toCursor);
    const auto rename = planItemCommand(onItem(L"rename", kFileItemKind, L"C:\\d\\a.txt"));
    EXPECT_EQ(FinishCode::Rename, rename.finish);
    EXPECT_TRUE(rename.toCursor);
    const auto del = planItemCommand(onItem(L"delete", kFileItemKind, L"C:\\d\\a.txt"));
    EXPECT_EQ(FinishCode::Delete, del.finish);
    EXPECT_FALSE(del.toCursor);
    EXPECT_EQ(FinishCode::Rename, finishCodeOf(77));
    EXPECT_EQ(FinishCode::Delete, finishCodeOf(68));
    EXPECT_FALSE(finishCodeOf(69));
}

TEST(ItemCommandTest, ClipToNameDoublesBackslashesOnlyWithShiftAndNeverQuotes) {
    auto input = onItem(L"cliptoname", kFileItemKind, L"D:\\Temp\\a b.txt");
    EXPECT_EQ(L"D:\\Temp\\a b.txt", planItemCommand(input).target);
    input.shiftHeld = true;
    EXPECT_EQ(L"D:\\\\Temp\\\\a b.txt", planItemCommand(input).target);
}

TEST(ItemCommandTest, NoItemAnswersNothingForEveryWordButUpAndUndo) {
    for (const auto& keyword : ctrlKeywords()) {
        ItemCommandInput input;
        input.binding = std::wstring(keyword.keyword);
        input.itemKind = kFolderItemKind;
        input.folder = L"C:\\d\\e";
        const ItemCommandPlan plan = planItemCommand(input);
        if (keyword.keyword == L"up" || keyword.keyword == L"undo") {
            EXPECT_EQ(1, plan.answer);
        } else {
            EXPECT_EQ(ItemAction::Nothing, plan.action) << std::string(keyword.keyword.begin(), keyword.keyword.end());
        }
    }
}

struct FolderCase {
    const wchar_t* word;
    std::optional<std::wstring> folder;
    ItemAction action;
    const wchar_t* target;
    const char* label;
};

class UpUndoTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(UpUndoTest, ChoosesTheMenuToShow) {
    const FolderCase& c = GetParam();
    ItemCommandInput input;
    input.binding = c.word;
    input.folder = c.folder;
    const ItemCommandPlan plan = planItemCommand(input);
    EXPECT_EQ(c.action, plan.action);
    EXPECT_EQ(plan.action == ItemAction::Nothing ? 0 : 1, plan.answer);
    if (c.target) {
        EXPECT_EQ(c.target, plan.target);
    }
    if (c.label) {
        EXPECT_STREQ(c.label, plan.failureLabel);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UpUndoTest,
    ::testing::Values(
        FolderCase{L"undo", std::nullopt, ItemAction::StartFolderMenu, L"", "ShellExecute undo"},
        FolderCase{L"undo", L"\\\\server\\share\\dir", ItemAction::StartFolderMenu, L"\\\\server\\share\\dir",
                   "ShellExecute undo"},
        FolderCase{L"undo", L"C:\\d,e", ItemAction::RunMenuVerb, L"C:\\d,e", "ShellExecute undo"},
        FolderCase{L"up", std::nullopt, ItemAction::Nothing, nullptr, nullptr},
        FolderCase{L"up", L"C:\\", ItemAction::StartFolderMenu, L"", "ShellExecute up"},
        // The folder part of a folder just below the root is the root itself, never "C:".
        FolderCase{L"up", L"C:\\x", ItemAction::RunMenuVerb, L"C:\\", "ShellExecute up"},
        FolderCase{L"up", L"C:\\x\\y", ItemAction::RunMenuVerb, L"C:\\x", "ShellExecute up"},
        FolderCase{L"up", L"\\\\server\\share", ItemAction::Nothing, nullptr, nullptr},
        FolderCase{L"up", L"\\\\server", ItemAction::Nothing, nullptr, nullptr},
        FolderCase{L"up", L"\\\\server\\share\\dir", ItemAction::StartFolderMenu, L"\\\\server\\share",
                   "ShellExecute up"},
        FolderCase{L"up", L"\\\\server\\share\\a\\b", ItemAction::StartFolderMenu, L"\\\\server\\share\\a",
                   "ShellExecute up"},
        FolderCase{L"up", L"odd", ItemAction::Nothing, nullptr, nullptr}));

TEST(ItemCommandTest, ItemEntriesAreBoundsCheckedAndNoTextIsNoItem) {
    const std::vector<std::wstring> items{L"C:\\a", L"no text"};
    EXPECT_EQ(L"C:\\a", itemEntry(items, 0));
    EXPECT_FALSE(itemEntry(items, 1));
    EXPECT_FALSE(itemEntry(items, 2));
    EXPECT_FALSE(itemEntry({}, 0));
    const std::vector<std::wstring> empty{L""};
    EXPECT_FALSE(itemEntry(empty, 0));
}

TEST(ItemCommandTest, ExplorerSelectQuotesThePath) {
    EXPECT_EQ(L"/select,\"C:\\a,b\\c d.txt\"", explorerSelectArguments(L"C:\\a,b\\c d.txt"));
}

TEST(ItemCommandTest, CommandPromptOfThe32BitBuildOn64BitWindowsIsTheNativeOne) {
    EXPECT_EQ(L"C:\\Windows\\system32\\cmd.exe",
              commandPromptProgram(L"C:\\Windows\\system32", L"C:\\Windows", false));
    EXPECT_EQ(L"C:\\Windows\\sysnative\\cmd.exe", commandPromptProgram(L"C:\\Windows\\system32", L"C:\\Windows", true));
}

} // namespace
} // namespace pvn
