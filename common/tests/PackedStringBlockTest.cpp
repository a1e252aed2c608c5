#include "common/PackedStringBlock.h"

#include <gtest/gtest.h>

#include <vector>

namespace pvn {
namespace {

std::vector<std::byte> bytesOf(const std::u16string& units) {
    std::vector<std::byte> bytes;
    for (char16_t u : units) {
        bytes.push_back(std::byte(u & 0xFF));
        bytes.push_back(std::byte(u >> 8));
    }
    return bytes;
}

TEST(PackedStringBlockTest, EncodingIsEachStringWithItsNulThenOneMoreNul) {
    const std::u16string block = encodePackedStrings({L"C:\\a", L"de"});
    EXPECT_EQ(std::u16string(u"C:\\a\0de\0\0", 9), block);
    EXPECT_EQ(std::u16string(1, u'\0'), encodePackedStrings({}));
}

TEST(PackedStringBlockTest, SizeInBytesFollowsTheFormula) {
    const std::vector<std::wstring> paths = {L"C:\\x\\one.txt", L"C:\\x\\two.txt", L"C:\\x\\three.txt"};
    std::size_t sum = 0;
    for (const auto& p : paths)
        sum += p.size() + 1;
    EXPECT_EQ(2 * (sum + 1), 2 * encodePackedStrings(paths).size());
}

TEST(PackedStringBlockTest, RoundTripKeepsOrderAndJapaneseText) {
    const std::vector<std::wstring> paths = {L"C:\\デスクトップ\\表.txt", L"D:\\", L"\\\\server\\共有"};
    auto block = decodePackedStrings(bytesOf(encodePackedStrings(paths)));
    EXPECT_TRUE(block.terminated);
    EXPECT_EQ(paths, block.strings);
    EXPECT_EQ(2 * encodePackedStrings(paths).size(), block.byteSize);
}

TEST(PackedStringBlockTest, CharactersBeyondTheBasicPlaneTravelAsSurrogatePairs) {
    const std::wstring text = L"a\U0001F600b";
    const std::u16string units = toUtf16Units(text);
    EXPECT_EQ((std::u16string{u'a', char16_t(0xD83D), char16_t(0xDE00), u'b'}), units);
    EXPECT_EQ(text, fromUtf16Units(units));
    // A lone surrogate is passed on as it is, not dropped or merged.
    EXPECT_EQ(1u, fromUtf16Units(std::u16string(1, char16_t(0xD800))).size());
}

TEST(PackedStringBlockTest, EmptyStringsAndEmbeddedNulsCannotEndTheBlockEarly) {
    std::wstring withNul = L"ab";
    withNul += L'\0';
    withNul += L"cd";
    auto block = decodePackedStrings(bytesOf(encodePackedStrings({L"first", L"", withNul, L"last"})));
    EXPECT_EQ((std::vector<std::wstring>{L"first", L"ab", L"last"}), block.strings);
    EXPECT_TRUE(block.terminated);
}

TEST(PackedStringBlockTest, ReadingStopsAtTheFirstEmptyString) {
    auto bytes = bytesOf(std::u16string(u"one\0\0two\0\0", 10));
    auto block = decodePackedStrings(bytes);
    EXPECT_EQ(std::vector<std::wstring>{L"one"}, block.strings);
    EXPECT_EQ(10u, block.byteSize);
}

TEST(PackedStringBlockTest, TruncatedBlocksYieldOnlyTheCompleteStrings) {
    // Every cut of a two-string block: no read past the cut, no partial string passed on.
    const auto whole = bytesOf(encodePackedStrings({L"abc", L"defg"}));
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        std::vector<std::byte> part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        auto block = decodePackedStrings(part);
        EXPECT_FALSE(block.terminated) << cut;
        std::vector<std::wstring> expected;
        if (cut >= 8)
            expected.push_back(L"abc");
        if (cut >= 18)
            expected.push_back(L"defg");
        EXPECT_EQ(expected, block.strings) << cut;
        EXPECT_LE(block.byteSize, cut);
    }
}

TEST(PackedStringBlockTest, BlockWithoutAnyNulYieldsNothing) {
    std::vector<std::byte> bytes(4096, std::byte{'A'});
    auto block = decodePackedStrings(bytes);
    EXPECT_TRUE(block.strings.empty());
    EXPECT_FALSE(block.terminated);
    EXPECT_EQ(0u, block.byteSize);
}

TEST(PackedStringBlockTest, OddLastByteIsIgnored) {
    auto bytes = bytesOf(std::u16string(u"x\0\0", 3));
    bytes.push_back(std::byte{0x41});
    auto block = decodePackedStrings(bytes);
    EXPECT_EQ(std::vector<std::wstring>{L"x"}, block.strings);
    EXPECT_TRUE(block.terminated);
    EXPECT_TRUE(decodePackedStrings(std::vector<std::byte>(1)).strings.empty());
}

} // namespace
} // namespace pvn
