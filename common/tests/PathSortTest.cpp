#include "common/PathSort.h"
#include "common/StringList.h"
#include "common/TextPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace pvn {
namespace {

int cmp(const std::wstring& a, const std::wstring& b) {
    return comparePaths(a, b, textPlatform());
}

TEST(ComparePaths, ComponentsDecideOneByOne) {
    EXPECT_LT(cmp(L"c:\\a\\z", L"c:\\b"), 0) << "the first differing component decides, not the length";
    EXPECT_GT(cmp(L"c:\\a b", L"c:\\a\\b"), 0) << "' ' versus end of component";
    EXPECT_EQ(0, cmp(L"C:\\Data\\X", L"c:\\data\\x"));
    EXPECT_NE(0, cmp(L"c:\\data\\x", L"c:\\data\\y"));
}

TEST(ComparePaths, AFolderComesBeforeItsSubFolders) {
    EXPECT_LT(cmp(L"c:\\a", L"c:\\a\\b"), 0);
    EXPECT_GT(cmp(L"c:\\a\\b", L"c:\\a"), 0);
    EXPECT_LT(cmp(L"c:\\a\\b", L"c:\\a\\b\\"), 0) << "a trailing backslash adds an empty component";
    EXPECT_LT(cmp(L"", L"c:"), 0);
    EXPECT_EQ(0, cmp(L"", L""));
}

TEST(ComparePaths, SeparatorOutranksEveryCharacter) {
    // As whole strings '\\' sorts after '-' and '0'; per component "a" is a prefix of "a-b" and "a0".
    EXPECT_LT(cmp(L"c:\\a\\b", L"c:\\a-b"), 0);
    EXPECT_LT(cmp(L"c:\\a\\b", L"c:\\a0"), 0);
}

TEST(GapHalvingSort, EqualPathsEndWhereTheExchangesLeaveThem) {
    // Worked by hand: gap 2 swaps "z" with "A\x", which so passes "a\X"; equal paths are never swapped back.
    std::vector<std::wstring> paths{L"z", L"a\\X", L"A\\x", L"b"};
    sortPaths(paths, textPlatform());
    EXPECT_EQ((std::vector<std::wstring>{L"A\\x", L"a\\X", L"b", L"z"}), paths)
        << "a stable sort would keep a\\X first";
}

// The exchange sort as it is described, without any bound on the passes.
std::vector<std::wstring> describedSort(std::vector<std::wstring> v) {
    int n = static_cast<int>(v.size());
    int gap = n / 2;
    while (gap > 0) {
        bool swapped;
        do {
            swapped = false;
            for (int i = 0; i < n - gap; ++i) {
                if (cmp(v[i], v[i + gap]) > 0) {
                    std::swap(v[i], v[i + gap]);
                    swapped = true;
                }
            }
        } while (swapped);
        gap /= 2;
    }
    return v;
}

std::vector<std::wstring> randomPaths(std::mt19937& rng, int count) {
    static const wchar_t* parts[] = {L"c:", L"C:",  L"d:",  L"a",   L"A", L"b",
                                     L"ab", L"a-b", L"x y", L"X Y", L"z"};
    std::uniform_int_distribution<int> depth(1, 4);
    std::uniform_int_distribution<int> part(0, static_cast<int>(std::size(parts)) - 1);
    std::vector<std::wstring> out;
    for (int i = 0; i < count; ++i) {
        std::wstring p;
        for (int d = depth(rng); d > 0; --d)
            p += (p.empty() ? L"" : L"\\") + std::wstring(parts[part(rng)]);
        out.push_back(p);
    }
    return out;
}

TEST(GapHalvingSort, MatchesTheDescribedSortIncludingEqualPaths) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::wstring> paths = randomPaths(rng, round % 60);
        const std::vector<std::wstring> expected = describedSort(paths);
        sortPaths(paths, textPlatform());
        ASSERT_EQ(expected, paths) << "round " << round;
    }
}

TEST(GapHalvingSort, ReverseOrderedInputIsSorted) {
    std::vector<std::wstring> paths;
    for (int i = 0; i < 300; ++i)
        paths.push_back(L"c:\\" + std::to_wstring(1000 - i));
    sortPaths(paths, textPlatform());
    EXPECT_TRUE(std::is_sorted(paths.begin(), paths.end()));
}

TEST(GapHalvingSort, AnInconsistentComparisonStillEnds) {
    // Rock, paper, scissors: every element is greater than another, so unbounded passes never end.
    std::vector<int> items;
    for (int i = 0; i < 30; ++i)
        items.push_back(i % 3);
    gapHalvingSort(items, [](int a, int b) { return (a + 1) % 3 == b; });
    EXPECT_EQ(30u, items.size());
    EXPECT_EQ(10, std::count(items.begin(), items.end(), 0));
}

TEST(StringList, SortsItselfByPath) {
    StringList list;
    list.add(L"c:\\b");
    list.add(L"c:\\a\\z");
    list.add(L"C:\\A");
    list.sortByPath();
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\A", L"c:\\a\\z", L"c:\\b"}), list.items());
}

} // namespace
} // namespace pvn
