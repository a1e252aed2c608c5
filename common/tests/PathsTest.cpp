#include "common/Paths.h"

#include <gtest/gtest.h>

#include <vector>

namespace pvn {
namespace {

TEST(Paths, DriveRootIsExactlyLetterColonBackslash) {
    EXPECT_TRUE(isDriveRoot(L"c:\\"));
    EXPECT_TRUE(isDriveRoot(L"Z:\\"));
    EXPECT_FALSE(isDriveRoot(L"c:"));
    EXPECT_FALSE(isDriveRoot(L"c:\\x"));
    EXPECT_FALSE(isDriveRoot(L"c:/"));
    EXPECT_FALSE(isDriveRoot(L""));
}

TEST(Paths, JoinAddsOneBackslashExceptAfterADriveRoot) {
    EXPECT_EQ(L"c:\\a\\b", joinPath(L"c:\\a", L"b"));
    EXPECT_EQ(L"c:\\b", joinPath(L"c:\\", L"b"));
    EXPECT_EQ(L"\\\\srv\\share\\b", joinPath(L"\\\\srv\\share", L"b"));
}

TEST(Paths, ParentFolder) {
    EXPECT_EQ(L"c:\\", parentFolder(L"c:\\x"));
    EXPECT_EQ(L"c:\\x", parentFolder(L"c:\\x\\y"));
    EXPECT_EQ(L"", parentFolder(L"name.exe"));
    EXPECT_EQ(L"c:\\", parentFolder(L"c:\\"));
    EXPECT_EQ(L"\\\\srv\\share", parentFolder(L"\\\\srv\\share\\x"));
    EXPECT_EQ(L"c:\\x", parentFolder(L"c:\\x\\"));
}

TEST(Paths, FileNameAndExtension) {
    EXPECT_EQ(L"y.txt", fileName(L"c:\\x\\y.txt"));
    EXPECT_EQ(L"plain", fileName(L"plain"));
    EXPECT_EQ(L"", fileName(L"c:\\x\\"));
    EXPECT_EQ(L"txt", extension(L"c:\\x\\y.txt"));
    EXPECT_EQ(L"gz", extension(L"a.tar.gz"));
    EXPECT_EQ(L"", extension(L"c:\\x\\noext"));
    EXPECT_EQ(L"", extension(L"c:\\my.dir\\noext")) << "a dot in a folder name is no extension";
    EXPECT_EQ(L"", extension(L"trailing."));
}

TEST(Paths, StripQuotesNeverReadsPastTheEnd) {
    EXPECT_EQ(L"c:\\a b", stripQuotes(L"\"c:\\a b\""));
    EXPECT_EQ(L"c:\\a", stripQuotes(L"c:\\a"));
    EXPECT_EQ(L"", stripQuotes(L"\""));
    EXPECT_EQ(L"", stripQuotes(L"\"\""));
    EXPECT_EQ(L"", stripQuotes(L""));
    EXPECT_EQ(L"c:\\abc", stripQuotes(L"\"c:\\abc")) << "without a closing quote no character is lost";
    EXPECT_EQ(L"x\"", stripQuotes(L"\"x\"\""));
}

TEST(Paths, TrimRemovesBlanksAtBothEnds) {
    EXPECT_EQ(L"a b", trim(L"  a b \t"));
    EXPECT_EQ(L"", trim(L" \t "));
    EXPECT_EQ(L"x", trim(L"x"));
    EXPECT_EQ(L"", trim(L""));
}

// One unit of width per character; every measured text is recorded.
struct Measurer {
    std::vector<std::wstring> seen;
    TextWidth fn() {
        return [this](std::wstring_view t) {
            seen.emplace_back(t);
            return static_cast<int>(t.size());
        };
    }
};

TEST(ShortenPath, AFittingPathIsUnchanged) {
    Measurer m;
    EXPECT_EQ(L"c:\\ab", shortenPathToWidth(L"c:\\ab", 6, m.fn()));
    EXPECT_EQ(1u, m.seen.size());
}

TEST(ShortenPath, ExtentEqualToTheWidthDoesNotFit) {
    Measurer m;
    EXPECT_EQ(L"c:\\...\\b", shortenPathToWidth(L"c:\\aaaa\\b", 9, m.fn()));
}

TEST(ShortenPath, LeadingFoldersGiveWayOneByOne) {
    Measurer m;
    const std::wstring path = L"c:\\one\\two\\three\\file.txt";
    EXPECT_EQ(L"c:\\...\\three\\file.txt", shortenPathToWidth(path, 22, m.fn()));
    EXPECT_EQ(
        (std::vector<std::wstring>{path, L"c:\\...\\two\\three\\file.txt", L"c:\\...\\three\\file.txt"}),
        m.seen);
}

TEST(ShortenPath, NetworkHeadKeepsServerAndShare) {
    Measurer m;
    EXPECT_EQ(L"\\\\srv\\share\\...\\c", shortenPathToWidth(L"\\\\srv\\share\\aaa\\b\\c", 18, m.fn()));
}

TEST(ShortenPath, OnlyTheLastComponentLeftDropsTheHead) {
    Measurer m;
    EXPECT_EQ(L"...\\averyverylongname", shortenPathToWidth(L"c:\\x\\averyverylongname", 5, m.fn()));
    EXPECT_EQ(L"...\\averyverylongname", shortenPathToWidth(L"c:\\averyverylongname", 5, m.fn()));
    EXPECT_EQ(L"...\\c", shortenPathToWidth(L"\\\\srv\\share\\a\\c", 3, m.fn()));
}

TEST(ShortenPath, PathsWithoutAHeadAreInvalid) {
    Measurer m;
    EXPECT_EQ(kInvalidFileName, shortenPathToWidth(L"relative\\path\\name", 5, m.fn()));
    EXPECT_EQ(kInvalidFileName, shortenPathToWidth(L"\\\\srv", 3, m.fn()));
    EXPECT_EQ(kInvalidFileName, shortenPathToWidth(L"\\\\srv\\", 3, m.fn()));
    EXPECT_EQ(kInvalidFileName, shortenPathToWidth(L"\\\\\\share\\x", 3, m.fn()));
    EXPECT_EQ(kInvalidFileName, shortenPathToWidth(L"\\\\srv\\\\x", 3, m.fn()));
    EXPECT_EQ(kInvalidFileName, shortenPathToWidth(L"c:", 1, m.fn()));
    EXPECT_EQ(L"x", shortenPathToWidth(L"x", 5, m.fn())) << "a fitting text needs no head";
}

TEST(ShortenPath, NothingToDropLeavesThePath) {
    Measurer m;
    EXPECT_EQ(L"c:\\", shortenPathToWidth(L"c:\\", 1, m.fn()));
    EXPECT_EQ(L"\\\\srv\\share", shortenPathToWidth(L"\\\\srv\\share", 1, m.fn()));
}

} // namespace
} // namespace pvn
