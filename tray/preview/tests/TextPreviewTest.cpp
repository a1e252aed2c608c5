#include "tray/preview/TextPreview.h"

#include "tray/preview/tests/PreviewHarness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pvn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
namespace tp = text_preview;

std::vector<std::wstring> preview(const std::string& data, std::uint32_t limit = 10, std::uint32_t tab = 4,
                                  bool whole = true) {
    std::vector<std::uint8_t> b(data.begin(), data.end());
    return tp::fromBytes(b.data(), b.size(), whole, {limit, tab}, textPlatform());
}

TEST(TextPreviewTest, OneLineMessages) {
    EXPECT_THAT(preview(""), ElementsAre(L"中身なし"));
    EXPECT_THAT(preview("\r\n"), ElementsAre(L"テキストとして読めない"));
    EXPECT_THAT(preview(std::string("\0ABC", 4)), ElementsAre(L"テキストとして読めない"));
    // Behind a zero, lower-case letters make plausible UTF-16 units: that is text.
    EXPECT_THAT(preview(std::string("\0abc", 4)), ElementsAre(L"\x6100\x6362"));
    EXPECT_THAT(preview("\r\n\r\n"), ElementsAre(L"", L""));
}

TEST(TextPreviewTest, LineBreaks) {
    EXPECT_THAT(tp::splitLines(L"a\r\nb\rc\nd"), ElementsAre(L"a", L"b", L"c", L"d"));
    EXPECT_THAT(tp::splitLines(L"a\n\nb\n"), ElementsAre(L"a", L"", L"b"));
    EXPECT_THAT(tp::splitLines(L"\n\r"), ElementsAre(L"", L""));
    EXPECT_THAT(tp::splitLines(L""), IsEmpty());
}

TEST(TextPreviewTest, WrapsAtFiftyCharacters) {
    std::wstring a50(50, L'a');
    auto lines = preview(std::string(120, 'x'));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 50u);
    EXPECT_EQ(lines[1].size(), 50u);
    EXPECT_EQ(lines[2].size(), 20u);
    EXPECT_THAT(preview(std::string(50, 'a')), ElementsAre(a50, L""));
}

TEST(TextPreviewTest, TabsFillToTheNextStop) {
    EXPECT_THAT(preview("a\tb"), ElementsAre(L"a   b"));
    EXPECT_THAT(preview("abcd\tb", 10, 4), ElementsAre(L"abcd    b"));
    EXPECT_THAT(preview("\tb", 10, 8), ElementsAre(L"        b"));
    // Widths below 1 are taken as 1; a tab is then one blank.
    EXPECT_THAT(preview("a\tb", 10, 0), ElementsAre(L"a b"));
    // A registry value of millions cannot make millions of blanks.
    auto wide = preview("\tb", 10, 5000000);
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0].size(), tp::kMaxTabWidth);
    // A tab that crosses column 50 makes the line longer before it is cut.
    auto crossing = preview(std::string(48, 'a') + "\tz", 10, 8);
    ASSERT_EQ(crossing.size(), 2u);
    EXPECT_EQ(crossing[0].size(), 56u);
    EXPECT_EQ(crossing[1], L"z");
}

TEST(TextPreviewTest, LimitCountsSourceLines) {
    auto text = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += "l\r\n";
        return s;
    };
    // TTNumText + 1 lines read completely still end with the marker; TTNumText lines do not.
    auto eleven = preview(text(4), 3);
    EXPECT_EQ(eleven.size(), 5u);
    EXPECT_EQ(eleven.back(), L" ：");
    auto three = preview(text(3), 3);
    EXPECT_THAT(three, ElementsAre(L"l", L"l", L"l"));
    // Lines beyond the limit are not shown.
    auto many = preview(text(20), 3);
    EXPECT_THAT(many, ElementsAre(L"l", L"l", L"l", L"l", L" ："));
    // Wrapped pieces do not count against the limit.
    auto wrapped = preview(std::string(120, 'w') + "\r\nx", 1);
    EXPECT_THAT(wrapped, ElementsAre(std::wstring(50, L'w'), std::wstring(50, L'w'), std::wstring(20, L'w'), L"x",
                                     L" ："));
}

TEST(TextPreviewTest, FileReadOnlyInPartEndsWithTheMarker) {
    EXPECT_THAT(preview("a\r\nb", 10, 4, false), ElementsAre(L"a", L"b", L" ："));
}

TEST(TextPreviewTest, DecodesEachEncoding) {
    EXPECT_THAT(preview("\xFF\xFE" + std::string("a\0\x42\x30", 4)), ElementsAre(L"aあ"));
    EXPECT_THAT(preview(std::string("a\0b\0\x42\x30\r\0\n\0c\0", 12)), ElementsAre(L"abあ", L"c"));
    EXPECT_THAT(preview("\xEF\xBB\xBF" + test::kUtf8Nihongo), ElementsAre(L"日本語"));
    EXPECT_THAT(preview(test::kUtf8Nihongo + "\n" + test::kUtf8Nihongo), ElementsAre(L"日本語", L"日本語"));
    EXPECT_THAT(preview(test::kSjisNihongo + "\r\nabc"), ElementsAre(L"日本語", L"abc"));
}

TEST(TextPreviewTest, DecodingStopsAtTheFirstZero) {
    EXPECT_EQ(tp::decode(reinterpret_cast<const std::uint8_t*>("ab\0cd"), 5, TextEncoding::Ansi, false,
                         textPlatform()),
              L"ab");
    EXPECT_EQ(tp::decode(reinterpret_cast<const std::uint8_t*>("\xEF\xBB\xBF" "ab\0cd"), 8, TextEncoding::Utf8, true,
                         textPlatform()),
              L"ab");
    EXPECT_EQ(tp::decode(reinterpret_cast<const std::uint8_t*>("a\0b\0\0\0c\0"), 8, TextEncoding::Utf16Le, false,
                         textPlatform()),
              L"ab");
    // An odd last byte pairs with the zero after the buffer.
    EXPECT_EQ(tp::decode(reinterpret_cast<const std::uint8_t*>("a\0b"), 3, TextEncoding::Utf16Le, false,
                         textPlatform()),
              L"ab");
    EXPECT_EQ(tp::decode(reinterpret_cast<const std::uint8_t*>("\xFF\xFE"), 2, TextEncoding::Utf16Le, true,
                         textPlatform()),
              L"");
}

class TextPreviewFileTest : public ::testing::Test {
protected:
    test::PreviewHarness h;
};

TEST_F(TextPreviewFileTest, ReadsAtMostTheLimitTimesAHundredBytes) {
    std::string big;
    for (int i = 0; i < 200; ++i)
        big += "0123456789";
    h.files.add(L"t.txt", {big.begin(), big.end()});
    std::vector<std::wstring> lines;
    ASSERT_TRUE(textPreview(h.env, L"t.txt", {5, 4}, lines));
    // 500 bytes: ten lines of 50, an empty end of line, and the marker for the unread rest.
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[10], L"");
    EXPECT_EQ(lines[11], L" ：");
    EXPECT_THAT(h.files.hints, ElementsAre(AccessHint::SequentialScan));
}

TEST_F(TextPreviewFileTest, ExactlyTheLimitInBytesCountsAsNotReadToTheEnd) {
    h.files.add(L"t.txt", std::vector<std::uint8_t>(500, 'a'));
    std::vector<std::wstring> lines;
    ASSERT_TRUE(textPreview(h.env, L"t.txt", {5, 4}, lines));
    EXPECT_EQ(lines.back(), L" ：");
    h.files.add(L"t.txt", std::vector<std::uint8_t>(499, 'a'));
    ASSERT_TRUE(textPreview(h.env, L"t.txt", {5, 4}, lines));
    EXPECT_EQ(lines.back(), std::wstring(49, L'a'));
}

TEST_F(TextPreviewFileTest, UnopenableFileGivesNoText) {
    std::vector<std::wstring> lines{L"stale"};
    EXPECT_FALSE(textPreview(h.env, L"none.txt", {10, 4}, lines));
    EXPECT_THAT(lines, IsEmpty());
}

TEST_F(TextPreviewFileTest, FailedReadIsReportedAndStillGivesALine) {
    h.files.add(L"t.txt", {'a', 'b'}).readError = 23;
    std::vector<std::wstring> lines;
    EXPECT_TRUE(textPreview(h.env, L"t.txt", {10, 4}, lines));
    EXPECT_THAT(h.ui.failures, ElementsAre("ReadFile Error Code =23"));
    EXPECT_THAT(lines, ElementsAre(L"中身なし"));
}

TEST_F(TextPreviewFileTest, HugeLineLimitReadsABoundedPrefix) {
    h.files.add(L"t.txt", std::vector<std::uint8_t>(tp::kMaxRead + 10, 'a'));
    std::vector<std::wstring> lines;
    ASSERT_TRUE(textPreview(h.env, L"t.txt", {0xFFFFFFFF, 4}, lines));
    EXPECT_EQ(lines.size(), tp::kMaxRead / 50 + 2);
    EXPECT_EQ(lines.back(), L" ：");
}

} // namespace
} // namespace pvn
