#include "tray/FileOpRules.h"

#include "common/TextPlatform.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(FileOpRulesTest, ShortcutNames) {
    EXPECT_EQ(L"a.txtへのショートカット.lnk", shortcutName(L"C:\\x\\a.txt"));
    EXPECT_EQ(L"Dドライブへのショートカット.lnk", shortcutName(L"D:\\"));
    EXPECT_EQ(L"資料へのショートカット.lnk", shortcutName(L"D:\\資料"));
}

TEST(FileOpRulesTest, RenameNamesThatCannotStandInAFolder) {
    for (const wchar_t* bad : {L"a\\b.txt", L"..\\b", L"a/b", L"c:b", L"a*", L"a?", L"a\"b", L"a<b", L"a>b", L"a|b",
                               L"a\tb", L"b.txt.", L"b ", L"."})
        EXPECT_TRUE(renameNameProblem(bad)) << bad;
    for (const wchar_t* good : {L"b.log", L"b", L"新しい名前.txt", L".profile", L"a b.c"})
        EXPECT_FALSE(renameNameProblem(good));
}

TEST(FileOpRulesTest, RenameAsksOnlyWhenTheExtensionChanges) {
    struct Case {
        const wchar_t* item;
        const wchar_t* name;
        bool asks;
    };
    const Case cases[] = {
        {L"C:\\x\\a.txt", L"b.log", true},     {L"C:\\x\\a.txt", L"b", false},
        {L"C:\\x\\a.tar.gz", L"b.tar.gz", false}, {L"C:\\x\\a.txt", L"b.TXT", true},
        {L"C:\\x\\a", L"b.txt", true},         {L"C:\\x.d\\a", L"a", false},
        {L"C:\\x.d\\a", L"b.d", true},         {L"C:\\x\\a.txt", L"b.txt", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.asks, renameChangesExtension(c.item, c.name)) << c.item << " " << c.name;
}

TEST(FileOpRulesTest, TargetsKeepTheChosenFolderForTheShell) {
    struct Case {
        FopCode code;
        const wchar_t* folder;
        const wchar_t* newName;
        SingleOpTarget target;
    };
    const Case cases[] = {
        {FopCode::Copy, L"D:\\dest", L"", {L"D:\\dest", L"D:\\dest\\a.txt"}},
        {FopCode::Move, L"D:\\", L"", {L"D:\\", L"D:\\a.txt"}},
        {FopCode::Rename, L"", L"b.log", {L"C:\\x\\b.log", L"C:\\x\\b.log"}},
        {FopCode::Shortcut, L"D:\\dest", L"", {L"D:\\dest\\a.txtへのショートカット.lnk", L"D:\\dest\\a.txtへのショートカット.lnk"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.target, singleOpTarget(c.code, L"C:\\x\\a.txt", c.folder, c.newName));
}

TEST(FileOpRulesTest, FolderDialogTitles) {
    EXPECT_EQ(L"a.txt\nの移動先のフォルダを指定してください", folderDialogTitle(FopCode::Move, L"a.txt", false));
    EXPECT_EQ(L"a.txt\nのコピー先のフォルダを指定してください", folderDialogTitle(FopCode::Copy, L"a.txt", false));
    EXPECT_EQ(L"a.txt\nのショートカット作成先のフォルダを指定してください",
              folderDialogTitle(FopCode::Shortcut, L"a.txt", false));
    EXPECT_EQ(L"C:\\x\\a.txt\n移動先のフォルダを指定してください", folderDialogTitle(FopCode::Move, L"C:\\x\\a.txt", true));
    EXPECT_EQ(L"C:\\x\\a.txt\nコピー先のフォルダを指定してください", folderDialogTitle(FopCode::Copy, L"C:\\x\\a.txt", true));
    EXPECT_FALSE(folderDialogTitle(FopCode::Shortcut, L"x", true));
    EXPECT_FALSE(folderDialogTitle(FopCode::Rename, L"x", false));
}

TEST(FileOpRulesTest, ShellListsEndInTwoNuls) {
    using namespace std::string_literals;
    EXPECT_EQ(L"C:\\a\0\0"s, shellPathList({L"C:\\a"}));
    EXPECT_EQ(L"C:\\a\0C:\\b c\0\0"s, shellPathList({L"C:\\a", L"", L"C:\\b c"}));
    EXPECT_EQ(L"\0"s, shellPathList({}));
    EXPECT_EQ(L"D:\\x\\", withTrailingBackslash(L"D:\\x"));
    EXPECT_EQ(L"D:\\", withTrailingBackslash(L"D:\\"));
}

TEST(FileOpRulesTest, SpecialFoldersBy64BitWindows) {
    auto texts = [](bool is64, bool wow64) {
        std::vector<std::wstring> out;
        for (const auto& folder : specialFolderEntries(is64, wow64))
            out.push_back(folder.text);
        return out;
    };
    const std::vector<std::wstring> with{L"ウインドウズ",    L"システム",         L"SysWOW64",
                                         L"デスクトップ",    L"マイドキュメント", L"プログラムメニュー",
                                         L"送るメニュー",    L"スタートメニュー", L"スタートアップメニュー"};
    std::vector<std::wstring> without = with;
    without.erase(without.begin() + 2);
    EXPECT_EQ(with, texts(true, false)) << "64-bit program";
    EXPECT_EQ(with, texts(false, true)) << "32-bit program on 64-bit Windows";
    EXPECT_EQ(without, texts(false, false)) << "32-bit Windows";
    EXPECT_TRUE(usesNativeSystemFolder(false, true));
    EXPECT_FALSE(usesNativeSystemFolder(true, false)) << "a 64-bit program has no sysnative";
    EXPECT_FALSE(usesNativeSystemFolder(false, false));
}

TEST(FileOpRulesTest, SysnativePathsComeBackAsTheSystemFolder) {
    const std::wstring native = nativeSystemFolder(L"C:\\Windows");
    EXPECT_EQ(L"C:\\Windows\\sysnative", native);
    const std::wstring system = L"C:\\Windows\\system32";
    const auto& text = textPlatform();
    EXPECT_EQ(system, fromNativeSystemFolder(native, native, system, text));
    EXPECT_EQ(system, fromNativeSystemFolder(L"c:\\windows\\SYSNATIVE", native, system, text));
    EXPECT_EQ(system + L"\\a.lnk", fromNativeSystemFolder(native + L"\\a.lnk", native, system, text));
    EXPECT_EQ(L"C:\\Windows\\sysnativeX", fromNativeSystemFolder(L"C:\\Windows\\sysnativeX", native, system, text));
    EXPECT_EQ(L"C:\\other", fromNativeSystemFolder(L"C:\\other", native, system, text));
    EXPECT_EQ(native, fromNativeSystemFolder(native, L"", system, text)) << "no replacement in use";
}

TEST(FileOpRulesTest, WhatFollowsOneItem) {
    using K = FopAfter::Kind;
    const SingleOpResult copy{FopCode::Copy, L"D:\\d e\\a.txt", std::nullopt};
    const SingleOpResult intoSystem{FopCode::Copy, L"C:\\Windows\\system32\\a.txt", L"C:\\Windows\\system32"};
    const SingleOpResult rename{FopCode::Rename, L"C:\\x\\b.log", std::nullopt};
    struct Case {
        SingleOpResult result;
        bool desktop;
        std::uint32_t fopRename, fopAfter;
        FopAfter after;
    };
    const Case cases[] = {
        {copy, false, 0, 1, {K::Box, L"コピー完了"}},
        {{FopCode::Move, L"x", {}}, false, 0, 1, {K::Box, L"移動完了"}},
        {{FopCode::Shortcut, L"x", {}}, false, 0, 1, {K::Box, L"ショートカットの作成完了"}},
        {copy, false, 1, 2, {K::Explorer, L"/select,\"D:\\d e\\a.txt\""}},
        {copy, false, 1, 0, {}},
        {copy, true, 1, 1, {}},
        {intoSystem, false, 0, 2, {K::Explorer, L"\"C:\\Windows\\system32\""}},
        {rename, false, 1, 0, {K::Box, L"名前の変更完了"}},
        {rename, false, 2, 1, {K::Explorer, L"/select,\"C:\\x\\b.log\""}},
        {rename, false, 0, 1, {}},
        {rename, true, 1, 1, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.after, singleOpAfter(c.result, c.desktop, c.fopRename, c.fopAfter)) << c.result.newItem;
}

TEST(FileOpRulesTest, WhatFollowsSeveralItems) {
    using K = FopAfter::Kind;
    EXPECT_EQ((FopAfter{K::Box, L"移動完了"}), multiOpAfter(FopCode::Move, L"D:\\x", false, 1));
    EXPECT_EQ((FopAfter{K::Box, L"コピー完了"}), multiOpAfter(FopCode::Copy, L"D:\\x", false, 1));
    EXPECT_EQ((FopAfter{K::Explorer, L"\"D:\\x\""}), multiOpAfter(FopCode::Copy, L"D:\\x", false, 2));
    EXPECT_EQ(FopAfter{}, multiOpAfter(FopCode::Copy, L"D:\\x", true, 2));
    EXPECT_EQ(FopAfter{}, multiOpAfter(FopCode::Copy, L"D:\\x", false, 3));
}

} // namespace
} // namespace pvn
