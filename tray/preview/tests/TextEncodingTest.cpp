#include "tray/preview/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pvn {
namespace {

std::vector<std::uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }

EncodingScores scores(const std::string& s) {
    auto b = bytes(s);
    return scoreEncodings(b.data(), b.size());
}

TextEncoding guess(const std::string& s, bool* bom = nullptr) {
    auto b = bytes(s);
    bool mark = false;
    TextEncoding e = guessEncoding(b.data(), b.size(), mark);
    if (bom)
        *bom = mark;
    return e;
}

TEST(TextEncodingTest, ByteOrderMarksComeFirst) {
    bool bom = false;
    EXPECT_EQ(guess("\xFF\xFE", &bom), TextEncoding::Utf16Le);
    EXPECT_TRUE(bom);
    EXPECT_EQ(guess("\xEF\xBB\xBF", &bom), TextEncoding::Utf8);
    EXPECT_TRUE(bom);
    // Too short for the UTF-8 mark: scored, and a valid Shift_JIS pair.
    EXPECT_EQ(guess("\xEF\xBB", &bom), TextEncoding::Ansi);
    EXPECT_FALSE(bom);
    // A big-endian mark is no mark; the bytes still score as UTF-16.
    EXPECT_EQ(guess("\xFE\xFF" "abcd", &bom), TextEncoding::Utf16Le);
    EXPECT_FALSE(bom);
}

TEST(TextEncodingTest, Utf16ScoreCountsPlausibleHighBytesAtOddPositions) {
    // Two of three odd bytes plausible (00, 30), one not (0x41): 200 * 2 / 6 = 66.
    EXPECT_EQ(scores(std::string("a\0" "b0cA", 6)).utf16, 66u);
    // Every listed high byte, one unit each.
    std::string all;
    for (int hi : {0x00, 0x03, 0x04, 0x20, 0x26, 0x30, 0x32, 0x33, 0x4E, 0x9F, 0xF9, 0xFA, 0xFF}) {
        all += 'x';
        all += static_cast<char>(hi);
    }
    EXPECT_EQ(scores(all).utf16, 100u);
    for (int hi : {0x01, 0x05, 0x1F, 0x27, 0x31, 0x34, 0x4D, 0xA0, 0xF8, 0xFB, 0xFE})
        EXPECT_EQ(scores(std::string("x") + static_cast<char>(hi)).utf16, 0u) << hi;
}

TEST(TextEncodingTest, ShiftJisScore) {
    EXPECT_EQ(scores("ab\t\r\n").shiftJis, 100u);
    // Lead and trail: 2 each; half-width katakana counts half.
    EXPECT_EQ(scores("\x82\xA0").shiftJis, 100u);
    EXPECT_EQ(scores("\xB1\xB2").shiftJis, 50u);
    // A lead with a bad trail consumes it and adds nothing; a lead as last byte adds 1.
    EXPECT_EQ(scores("\x82\x20").shiftJis, 0u);
    EXPECT_EQ(scores("a\x82").shiftJis, 100u);
    EXPECT_EQ(scores("\x00\x01\x7F\xA0").shiftJis, 0u);
    // 2v - k = 2 * 4 - 1 = 7 over 4 bytes: 50 * 7 / 4 = 87.
    EXPECT_EQ(scores("a\x82\x40\xB1").shiftJis, 87u);
}

TEST(TextEncodingTest, Utf8Score) {
    EXPECT_EQ(scores("\xC3\xA9\xE3\x81\x82").utf8, 100u);
    // A four-byte sequence counts 4 - 1.
    EXPECT_EQ(scores("\xF0\x9F\x98\x80").utf8, 75u);
    // Cut off by the end: the bytes present count.
    EXPECT_EQ(scores("ab\xE3\x81").utf8, 100u);
    EXPECT_EQ(scores("abc\xF0").utf8, 100u);
    // Broken: nothing counts, and the breaking byte is skipped too.
    EXPECT_EQ(scores("\xC3" "A").utf8, 0u);
    EXPECT_EQ(scores("\xE3\x81" "Ab").utf8, 25u);
    // Stray continuation and F5..FF count nothing.
    EXPECT_EQ(scores("\x80\xF5\xFF" "a").utf8, 25u);
}

TEST(TextEncodingTest, DecisionPrefersShiftJisThenUtf16ThenUtf8OnTies) {
    EXPECT_EQ(guess("plain ascii"), TextEncoding::Ansi);
    EXPECT_EQ(guess("\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD"), TextEncoding::Ansi); // こんにちは
    EXPECT_EQ(guess("\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1"), TextEncoding::Utf8);
    EXPECT_EQ(guess(std::string("\x53\x30\x93\x30\x6B\x30", 6)), TextEncoding::Utf16Le); // こんに
    // Control bytes are valid UTF-8.
    EXPECT_EQ(guess("\x01\x02\x03\x04"), TextEncoding::Utf8);
    EXPECT_EQ(guess("\x80\x81\x90\xFE"), TextEncoding::Unknown);
}

TEST(TextEncodingTest, ThresholdIsAboveNinety) {
    // Capitals, whose codes are no plausible UTF-16 high bytes. 10 bytes, one counting nothing:
    // Shift_JIS 90, UTF-8 90, neither above 90.
    EXPECT_EQ(guess("ABCDEFGHI\x80"), TextEncoding::Unknown);
    // 11 bytes, one bad: 100 * 10 / 11 = 90 for UTF-8, 50 * 20 / 11 = 90 for Shift_JIS.
    EXPECT_EQ(guess("ABCDEFGHIJ\x80"), TextEncoding::Unknown);
    // 12 bytes, one bad: 91 for both, Shift_JIS wins the tie.
    EXPECT_EQ(guess("ABCDEFGHIJK\x80"), TextEncoding::Ansi);
    // Lower-case ASCII looks like UTF-16 too (its codes are CJK high bytes), but ties go to Shift_JIS.
    EXPECT_EQ(scores("abcdef").utf16, 100u);
    EXPECT_EQ(guess("abcdef"), TextEncoding::Ansi);
}

} // namespace
} // namespace pvn
