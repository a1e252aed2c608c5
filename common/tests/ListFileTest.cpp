#include "common/ListFile.h"
#include "common/TextPlatform.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

using Lines = std::vector<std::wstring>;

Lines split(std::string_view bytes) {
    return splitListLines(bytes, textPlatform());
}

// "C:\データ\" in code page 932: every katakana is two bytes.
const std::string kJapaneseFolder = "C:\\\x83\x66\x81\x5B\x83\x5E\\";
const std::wstring kJapaneseFolderWide = L"C:\\データ\\";

TEST(ListFileLines, CrLfAndLfAloneReadTheSame) {
    EXPECT_EQ((Lines{L"c:\\a", L"d:\\b"}), split("c:\\a\r\nd:\\b\r\n"));
    EXPECT_EQ((Lines{L"c:\\a", L"d:\\b"}), split("c:\\a\nd:\\b\n"));
    EXPECT_EQ((Lines{L"c:\\a", L"d:\\b"}), split("c:\\a\nd:\\b\r\n"));
}

TEST(ListFileLines, LastLineWithoutLineEndCounts) {
    EXPECT_EQ((Lines{L"c:\\a", L"d:\\b"}), split("c:\\a\r\nd:\\b"));
    EXPECT_EQ((Lines{L"c:\\a", L"d:\\b"}), split("c:\\a\r\nd:\\b\r"));
}

TEST(ListFileLines, AFinalEmptyReadAddsNothingButInnerEmptyLinesStay) {
    EXPECT_EQ(Lines{}, split(""));
    EXPECT_EQ(Lines{}, split("\r"));
    EXPECT_EQ((Lines{L""}), split("\n"));
    EXPECT_EQ((Lines{L"a", L"", L"b"}), split("a\r\n\r\nb\r\n"));
}

TEST(ListFileLines, OnlyACrBeforeTheLfIsDropped) {
    EXPECT_EQ((Lines{L"a\rb"}), split("a\rb\r\n"));
    EXPECT_EQ((Lines{L"a\r"}), split("a\r\r\n"));
}

TEST(ListFileLines, AnsiIsConvertedToUnicode) {
    EXPECT_EQ((Lines{kJapaneseFolderWide, L"x"}), split(kJapaneseFolder + "\r\nx\r\n"));
}

TEST(ListFileLines, ALongLineIsOneEntry) {
    std::string line = "c:\\";
    while (line.size() < 500)
        line += kJapaneseFolder.substr(3);
    line.resize(500);
    ASSERT_EQ(500u, line.size());
    std::wstring expected = textPlatform().fromAnsi(line);
    const Lines lines = split(line + "\r\nnext\r\n");
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(expected, lines[0]);
    EXPECT_EQ(L"next", lines[1]);
}

TEST(ListFileLines, PiecesSplittingADoubleByteCharacterAreJoinedFirst) {
    const std::string file = "z:\\x\r\n" + kJapaneseFolder + "\r\n" + kJapaneseFolder;
    const Lines expected{L"z:\\x", kJapaneseFolderWide, kJapaneseFolderWide};
    for (std::size_t pieceSize = 1; pieceSize <= file.size(); ++pieceSize) {
        ListLineSplitter splitter(textPlatform());
        for (std::size_t at = 0; at < file.size(); at += pieceSize)
            splitter.feed(std::string_view(file).substr(at, pieceSize));
        ASSERT_EQ(expected, splitter.finish()) << "pieces of " << pieceSize;
    }
}

TEST(ListFileLines, EveryCutOfALongLineGivesTheSameEntry) {
    std::string line;
    for (int i = 0; i < 90; ++i)
        line += kJapaneseFolder;
    const std::wstring expected = textPlatform().fromAnsi(line);
    for (std::size_t cut = 295; cut <= 305; ++cut) {
        ListLineSplitter splitter(textPlatform());
        splitter.feed(std::string_view(line).substr(0, cut));
        splitter.feed(std::string_view(line).substr(cut));
        splitter.feed("\r\n");
        ASSERT_EQ(Lines{expected}, splitter.finish()) << "cut at " << cut;
    }
}

TEST(ListFileEncoding, EveryLineEndsInCrLf) {
    EXPECT_EQ("c:\\a\r\n" + kJapaneseFolder + "\r\n",
              encodeListLines({L"c:\\a", kJapaneseFolderWide}, textPlatform()));
    EXPECT_EQ("", encodeListLines({}, textPlatform()));
    EXPECT_EQ("\r\n", encodeListLines({L""}, textPlatform()));
}

TEST(ListFileEncoding, RoundTrip) {
    const Lines lines{L"c:\\a", L"\\\\srv\\share\\日本語", L"d:\\x y"};
    EXPECT_EQ(lines, split(encodeListLines(lines, textPlatform())));
}

TEST(RecentListLine, DriveLetterIsLowerCasedNetworkPathsKeptAsTheyAre) {
    EXPECT_EQ(L"c:\\Data", recentListLine(L"C:\\Data"));
    EXPECT_EQ(L"c:\\Data", recentListLine(L"c:\\Data"));
    EXPECT_EQ(L"\\\\Server\\Share", recentListLine(L"\\\\Server\\Share"));
    EXPECT_EQ(L"\\X", recentListLine(L"\\X"));
    EXPECT_EQ(L"d:\\ABC", recentListLine(L"D:\\ABC")) << "only the first character";
    EXPECT_EQ(L"デ", recentListLine(L"デ"));
    EXPECT_FALSE(recentListLine(L"").has_value());
}

} // namespace
} // namespace pvn
