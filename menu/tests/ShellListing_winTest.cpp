// The listing through the shell namespace and the tooltip's lines, against real folders.
#include "menu/ShellListing_win.h"
#include "menu/FMenuTT_win.h"
#include "menu/FolderListing.h"
#include "menu/tests/support/MenuSession_win.h"

#include "common/TextPlatform.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

using test::FixtureFolder;

class ShellListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(SHGetDesktopFolder(m_desktop.put())));
    }
    FolderContents list(const std::wstring& path, bool hidden, SortOrder order = SortOrder::Name) {
        return ShellListing(m_desktop.get()).list(path, hidden, order);
    }

    ScopedCoInit m_com;
    ComPtr<IShellFolder> m_desktop;
};

TEST_F(ShellListingTest, FoldersFilesHiddenEntriesAndArchives) {
    FixtureFolder f(L"C:\\pvnlisting");
    f.folder(L"b");
    f.folder(L"サブ");
    f.file(L"z.txt");
    f.file(L"日本語.txt");
    f.file(L"a.zip", "PK\x05\x06" + std::string(18, '\0'));
    f.file(L"secret.txt", "s", FILE_ATTRIBUTE_HIDDEN);
    FolderContents visible = list(f.path(), false);
    EXPECT_EQ((std::vector<std::wstring>{f.path() + L"\\b", f.path() + L"\\サブ"}), visible.folders);
    EXPECT_EQ(
        (std::vector<std::wstring>{f.path() + L"\\a.zip", f.path() + L"\\z.txt", f.path() + L"\\日本語.txt"}),
        visible.files)
        << "an archive is a file, never a sub-menu";
    FolderContents all = list(f.path(), true);
    EXPECT_EQ(4u, all.files.size());
    EXPECT_NE(std::find(all.files.begin(), all.files.end(), f.path() + L"\\secret.txt"), all.files.end());
}

TEST_F(ShellListingTest, NewestFirstAndByExtension) {
    FixtureFolder f(L"C:\\pvnlisting");
    const std::wstring old = f.file(L"old.txt"), young = f.file(L"young.bmp"), plain = f.file(L"readme");
    auto stamp = [](const std::wstring& path, WORD year) {
        SYSTEMTIME st{year, 6, 0, 15, 12, 0, 0, 0};
        FILETIME ft;
        SystemTimeToFileTime(&st, &ft);
        HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetFileTime(h, nullptr, nullptr, &ft);
        CloseHandle(h);
    };
    stamp(old, 2001);
    stamp(young, 2023);
    stamp(plain, 2010);
    EXPECT_EQ((std::vector<std::wstring>{young, plain, old}), list(f.path(), false, SortOrder::Newest).files);
    // bmp, then the plain path (c:\...), then txt: lstrcmpW puts letters after "c:".
    const std::vector<std::wstring> byExtension = list(f.path(), false, SortOrder::Extension).files;
    EXPECT_EQ((std::vector<std::wstring>{young, plain, old}), byExtension);
}

TEST_F(ShellListingTest, MissingAndVirtualFoldersListNothing) {
    EXPECT_TRUE(list(L"C:\\pvn-missing-folder", true).files.empty());
    const FolderContents network = list(L"\\\\server", true);
    EXPECT_TRUE(network.files.empty() && network.folders.empty()) << "a bare server name";
    EXPECT_FALSE(folderAccessible(L"C:\\pvn-missing-folder"));
    FixtureFolder f(L"C:\\pvnlisting");
    EXPECT_TRUE(folderAccessible(f.path())) << "an empty folder";
    EXPECT_TRUE(folderAccessible(L"c:\\"));
    EXPECT_FALSE(hasSubFolder(f.path()));
    f.file(L"only.txt");
    EXPECT_FALSE(hasSubFolder(f.path())) << "files only";
    f.folder(L"d");
    EXPECT_TRUE(hasSubFolder(f.path()));
}

TEST(LstrcmpOrder, ListingKeysFollowTheShellsOrder) {
    FolderListing listing;
    for (const wchar_t* key : {L"b", L"A", L"a", L"B", L"a2", L"a10"})
        listing.add(key, false, key);
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"A", L"a10", L"a2", L"b", L"B"}),
              std::move(listing).sorted(textPlatform()).files)
        << "lower case before upper case of the same letter, no numeric ordering";
}

TEST(LstrcmpOrder, CollationKeysGiveTheSameOrderAsLstrcmpW) {
    std::vector<std::wstring> texts{L"b",       L"A",   L"a",     L"B",        L"a-b",          L"ab",
                                    L"a b",     L"a_b", L"a.txt", L"a~",       L"10",           L"9",
                                    L"Ab",      L"aB",  L"éa",    L"ea",       L"日本",         L"にほん",
                                    L"ニホン",  L"ﾆﾎﾝ", L"ｂ",    L"c:\\x\\a", L"c:\\x\\A.txt", L"c:\\x-y",
                                    L"c:\\x y", L"",    L"a'b",   L"ab'"};
    // A thousand more from a fixed mix of letters, cases, digits and punctuation.
    const std::wstring alphabet = L"aAbB0-_ .'zZ漢あア";
    unsigned seed = 7;
    for (int i = 0; i < 1000; ++i) {
        std::wstring t;
        for (int k = 0; k < 5; ++k) {
            seed = seed * 1103515245u + 12345u;
            t += alphabet[(seed >> 16) % alphabet.size()];
        }
        texts.push_back(t);
    }
    FolderListing byCompare, byKeys;
    for (const std::wstring& t : texts) {
        byCompare.add(t, false, t);
        byKeys.add(t, false, t);
    }
    EXPECT_EQ(std::move(byCompare).sorted(textPlatform()).files,
              std::move(byKeys).sortedByCollation(collationKey).files);
}

TEST(MenuTooltipLines, FileFolderDriveAndAbout) {
    FixtureFolder f(L"C:\\pvntooltip");
    const std::wstring big = f.file(L"big.bin", std::string(1234567, 'x'));
    auto lines = FMenuTT::linesFor(big, -4);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(L"1,234,567 バイト", lines[0]);
    EXPECT_TRUE(lines[1].starts_with(L"作成日時 "));
    EXPECT_TRUE(lines[2].starts_with(L"更新日時 "));
    EXPECT_TRUE(lines[3].starts_with(L"アクセス日時 "));
    const std::wstring empty = f.file(L"empty.bin", "");
    SetFileAttributesW(empty.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    lines = FMenuTT::linesFor(empty, -4);
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ(L"0 バイト", lines[0]);
    // Wine keeps no archive bit (every file reports one), so only the first two are certain here.
    EXPECT_TRUE(lines[4].starts_with(L"読取専用,隠しファイル")) << "read-only and hidden, in this order";
    SetFileAttributesW(empty.c_str(), FILE_ATTRIBUTE_NORMAL);

    lines = FMenuTT::linesFor(f.path(), -3);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines[0].starts_with(L"作成日時 "));
    EXPECT_TRUE(FMenuTT::linesFor(f.path() + L"\\gone", -4).empty());
    EXPECT_TRUE(FMenuTT::linesFor(big, 0x1234).empty()) << "sub-menus have no tooltip";

    lines = FMenuTT::linesFor(L"c:\\", -3);
    ASSERT_EQ(4u, lines.size());
    EXPECT_TRUE(lines[1].starts_with(L"容量 "));
    EXPECT_TRUE(lines[3].ends_with(L" バイト"));
    EXPECT_EQ(L"Parvane Ver.3.12", FMenuTT::linesFor(L"About", -1).at(0));
}

} // namespace
} // namespace pvn
