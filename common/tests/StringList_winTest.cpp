#include "common/PathSort.h"
#include "common/RecentCompaction.h"
#include "common/StringIntList.h"
#include "common/StringList.h"
#include "common/TextPlatform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace pvn {
namespace {

using Lines = std::vector<std::wstring>;

Lines sortedByInsertion(const Lines& input) {
    StringList list(true);
    for (const auto& s : input)
        list.add(s);
    return list.items();
}

TEST(StringListWindowsOrder, SortedInsertionFollowsLstrcmpW) {
    // Word sort: hyphens and apostrophes hardly count, case comes after the letters, kana and kanji
    // after Latin; none of this is the order of the code units.
    const Lines input{L"ac", L"a-b", L"aa", L"B", L"b",    L"a'c", L"データ",
                      L"あ", L"ア",  L"表", L"A", L"Zeta", L"10",  L"9"};
    const Lines sorted = sortedByInsertion(input);
    Lines expected = input;
    std::stable_sort(expected.begin(), expected.end(), [](const std::wstring& x, const std::wstring& y) {
        return lstrcmpW(x.c_str(), y.c_str()) < 0;
    });
    EXPECT_EQ(expected, sorted);
    auto at = [&sorted](const wchar_t* s) {
        return std::find(sorted.begin(), sorted.end(), s) - sorted.begin();
    };
    EXPECT_LT(at(L"aa"), at(L"a-b")) << "ordinal order would put a-b first";
    EXPECT_LT(at(L"a-b"), at(L"ac"));
    EXPECT_LT(at(L"A"), at(L"B")) << "letters before case";
    EXPECT_LT(at(L"b"), at(L"Zeta"));
    EXPECT_LT(at(L"Zeta"), at(L"あ"));
}

TEST(StringListWindowsOrder, EqualUnderLstrcmpWKeepsInsertionOrderAndNumbersFollow) {
    StringIntList list(true);
    list.add(L"b", 1);
    list.add(L"a", 2);
    list.add(L"co-op", 3);
    list.add(L"co-op", 4);
    ASSERT_EQ(4u, list.size());
    EXPECT_EQ(L"a", list.text(0));
    EXPECT_EQ(2, list.value(0));
    EXPECT_EQ(L"b", list.text(1));
    EXPECT_EQ(3, list.value(2));
    EXPECT_EQ(4, list.value(3));
}

TEST(StringListWindowsOrder, FindUsesLstrcmpiW) {
    StringList list;
    list.add(L"C:\\データ\\Ａｂｃ");
    list.add(L"c:\\x");
    EXPECT_EQ(0, list.find(L"c:\\データ\\ａｂｃ")) << "full-width letters fold too";
    EXPECT_EQ(1, list.find(L"C:\\X"));
    EXPECT_EQ(-1, list.find(L"C:\\Y"));
}

TEST(PathSortWindows, ComponentsUnderLstrcmpiW) {
    StringList list;
    for (const wchar_t* p :
         {L"c:\\B", L"c:\\a-b", L"c:\\ab", L"C:\\A\\x", L"c:\\データ", L"c:\\あ", L"C:\\a", L"d:\\"})
        list.add(p);
    list.sortByPath();
    const Lines& sorted = list.items();
    for (std::size_t i = 1; i < sorted.size(); ++i)
        EXPECT_LE(comparePaths(sorted[i - 1], sorted[i], textPlatform()), 0) << i;
    auto at = [&sorted](const wchar_t* s) {
        return std::find(sorted.begin(), sorted.end(), s) - sorted.begin();
    };
    EXPECT_LT(at(L"C:\\a"), at(L"C:\\A\\x")) << "a folder before its sub-folders";
    EXPECT_LT(at(L"C:\\A\\x"), at(L"c:\\ab")) << "per component, whatever '\\' weighs";
    EXPECT_LT(at(L"c:\\ab"), at(L"c:\\B")) << "case-insensitive";
    EXPECT_LT(at(L"c:\\a-b"), at(L"c:\\B"));
    EXPECT_LT(at(L"c:\\B"), at(L"c:\\あ"));
    EXPECT_EQ(7, at(L"d:\\"));
}

TEST(PathSortWindows, RecentMenuSortedByPath) {
    const Lines newestFirst{L"c:\\Work\\b", L"c:\\work", L"C:\\Users\\データ"};
    EXPECT_EQ((Lines{L"C:\\Users\\データ", L"c:\\work", L"c:\\Work\\b"}),
              recentMenuOrder(newestFirst, 1, textPlatform()));
}

} // namespace
} // namespace pvn
