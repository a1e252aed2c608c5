#include "common/StringList.h"
#include "common/StringIntList.h"
#include "common/TextPlatform.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

// An order unlike the ordinal one (by length, then reversed), so that a list that sorted with
// operator< instead of the platform's comparison would fail.
class LengthFirstPlatform final : public ITextPlatform {
public:
    std::wstring fromAnsi(std::string_view) const override { return {}; }
    std::string toAnsi(std::wstring_view) const override { return {}; }
    std::wstring fromUtf8(std::string_view) const override { return {}; }
    int compare(const std::wstring& a, const std::wstring& b) const override {
        if (a.size() != b.size())
            return a.size() < b.size() ? -1 : 1;
        return b.compare(a);
    }
    int compareNoCase(const std::wstring& a, const std::wstring& b) const override {
        return textPlatform().compareNoCase(a, b);
    }
};

std::vector<std::wstring> texts(const StringList& list) {
    return list.items();
}

TEST(StringList, UnsortedListAppendsAndReportsIndex) {
    StringList list;
    EXPECT_EQ(0, list.add(L"b"));
    EXPECT_EQ(1, list.add(L"a"));
    EXPECT_EQ(2, list.add(L"b"));
    EXPECT_EQ((std::vector<std::wstring>{L"b", L"a", L"b"}), texts(list));
}

TEST(StringList, SortedInsertionUsesThePlatformOrder) {
    LengthFirstPlatform platform;
    StringList list(true, platform);
    EXPECT_EQ(0, list.add(L"aa"));
    EXPECT_EQ(0, list.add(L"z"));
    EXPECT_EQ(1, list.add(L"zz"));
    EXPECT_EQ(3, list.add(L"abc"));
    EXPECT_EQ((std::vector<std::wstring>{L"z", L"zz", L"aa", L"abc"}), texts(list));
}

TEST(StringList, EqualStringsKeepTheirInsertionOrder) {
    // A case-insensitive order makes "a" and "A" equal, so their order shows which came first.
    class NoCaseOrder final : public ITextPlatform {
    public:
        std::wstring fromAnsi(std::string_view) const override { return {}; }
        std::string toAnsi(std::wstring_view) const override { return {}; }
        std::wstring fromUtf8(std::string_view) const override { return {}; }
        int compare(const std::wstring& a, const std::wstring& b) const override {
            return textPlatform().compareNoCase(a, b);
        }
        int compareNoCase(const std::wstring& a, const std::wstring& b) const override {
            return compare(a, b);
        }
    } platform;
    StringList list(true, platform);
    list.add(L"b");
    list.add(L"a");
    EXPECT_EQ(1, list.add(L"A"));
    EXPECT_EQ(3, list.add(L"B"));
    EXPECT_EQ(2, list.add(L"a"));
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"A", L"a", L"b", L"B"}), texts(list));
}

TEST(StringList, ManyRandomInsertionsStaySorted) {
    StringList list(true);
    unsigned seed = 7;
    for (int i = 0; i < 1000; ++i) {
        seed = seed * 1103515245u + 12345u;
        list.add(std::to_wstring(seed % 500));
    }
    ASSERT_EQ(1000u, list.size());
    for (std::size_t i = 1; i < list.size(); ++i)
        ASSERT_LE(list[i - 1].compare(list[i]), 0) << i;
}

TEST(StringList, FindIsCaseInsensitiveAndPrefersTheLastEntry) {
    StringList list;
    list.add(L"C:\\Data");
    list.add(L"c:\\other");
    list.add(L"c:\\data");
    EXPECT_EQ(2, list.find(L"C:\\DATA"));
    EXPECT_EQ(1, list.find(L"C:\\Other"));
    EXPECT_EQ(-1, list.find(L"C:\\Dat"));
    EXPECT_EQ(-1, StringList().find(L""));
}

std::span<const std::byte> bytesOf(const std::u16string& block) {
    return std::as_bytes(std::span(block));
}

TEST(StringList, PacksEveryStringWithItsNulAndOneMore) {
    StringList list;
    list.add(L"ab");
    list.add(L"c");
    EXPECT_EQ(std::u16string(u"ab\0c\0\0", 6), list.pack());
    EXPECT_EQ(12u, list.packedSize());
    EXPECT_EQ(std::u16string(1, u'\0'), StringList().pack());
    EXPECT_EQ(2u, StringList().packedSize());
}

TEST(StringList, LoadsUpToTheFirstEmptyStringAndReplacesTheContents) {
    const std::u16string block(u"x\0yz\0\0n\0\0", 9);
    StringList list;
    list.add(L"old");
    list.load(bytesOf(block));
    EXPECT_EQ((std::vector<std::wstring>{L"x", L"yz"}), texts(list));
    list.load({});
    EXPECT_TRUE(list.empty());
}

TEST(StringList, LoadingIntoASortedListSorts) {
    StringList source;
    source.add(L"b");
    source.add(L"a");
    StringList sorted(true);
    sorted.load(bytesOf(source.pack()));
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"b"}), texts(sorted));
}

TEST(StringList, PackAndLoadRoundTripJapaneseAndSupplementaryCharacters) {
    StringList list;
    list.add(L"C:\\データ\\表");
    list.add(std::wstring(L"x") + static_cast<wchar_t>(0x20B9F) + L"y");
    const std::u16string block = list.pack();
    EXPECT_EQ(0xD842, block[list[0].size() + 2]) << "a character beyond U+FFFF travels as a surrogate pair";
    StringList back;
    back.load(bytesOf(block));
    EXPECT_EQ(texts(list), texts(back));
}

TEST(StringIntList, NumbersMoveWithTheirStrings) {
    StringIntList list(true);
    EXPECT_EQ(0, list.add(L"m", 1));
    EXPECT_EQ(0, list.add(L"a", 2));
    EXPECT_EQ(2, list.add(L"z", 3));
    EXPECT_EQ(2, list.add(L"m", 4)) << "after the equal string";
    ASSERT_EQ(4u, list.size());
    const std::wstring order[] = {L"a", L"m", L"m", L"z"};
    const std::int32_t values[] = {2, 1, 4, 3};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(order[i], list.text(i));
        EXPECT_EQ(values[i], list.value(i)) << i;
    }
    EXPECT_EQ(2, list.find(L"M")) << "find starts from the last entry";
    list.clear();
    EXPECT_EQ(0, list.add(L"q", -5));
    EXPECT_EQ(-5, list.value(0));
}

TEST(StringIntList, UnsortedListAppends) {
    StringIntList list;
    list.add(L"z", 1);
    EXPECT_EQ(1, list.add(L"a", 2));
    EXPECT_EQ(L"a", list.text(1));
    EXPECT_EQ(2, list.value(1));
}

} // namespace
} // namespace pvn
