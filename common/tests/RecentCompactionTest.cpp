#include "common/RecentCompaction.h"
#include "common/TextPlatform.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

using Lines = std::vector<std::wstring>;

RecentFilter filter(int limit = 100) {
    RecentFilter f;
    f.limit = limit;
    return f;
}

Lines compact(const Lines& recent, const RecentFilter& f, const Lines& favorites = {}) {
    return compactRecent(recent, favorites, f, textPlatform());
}

TEST(RecentCompaction, NewestFirstAndEachFolderOnceAtItsNewestPosition) {
    const Lines recent{L"c:\\a", L"c:\\b", L"C:\\A", L"c:\\c", L"c:\\a"};
    EXPECT_EQ((Lines{L"c:\\a", L"c:\\c", L"c:\\b"}), compact(recent, filter()));
    const Lines caseOnly{L"c:\\Data", L"c:\\x", L"c:\\DATA"};
    EXPECT_EQ((Lines{L"c:\\DATA", L"c:\\x"}), compact(caseOnly, filter())) << "the newest spelling is kept";
}

TEST(RecentCompaction, StopsAtTheLimit) {
    const Lines recent{L"c:\\1", L"c:\\2", L"c:\\3", L"c:\\3", L"c:\\4"};
    EXPECT_EQ((Lines{L"c:\\4", L"c:\\3"}), compact(recent, filter(2)));
    EXPECT_EQ((Lines{L"c:\\4", L"c:\\3", L"c:\\2"}), compact(recent, filter(3))) << "duplicates do not count";
    EXPECT_EQ(Lines{}, compact(recent, filter(0)));
}

TEST(RecentCompaction, FavouritesAreLeftOutOnlyWhenAsked) {
    const Lines recent{L"c:\\fav", L"c:\\other", L"C:\\FAV"};
    const Lines favorites{L"-", L"c:\\Fav"};
    RecentFilter f = filter();
    EXPECT_EQ((Lines{L"C:\\FAV", L"c:\\other"}), compact(recent, f, favorites));
    f.excludeFavorites = true;
    EXPECT_EQ((Lines{L"c:\\other"}), compact(recent, f, favorites));
}

TEST(RecentCompaction, RemovableAndCdRomDrivesAreAskedByRoot) {
    Lines asked;
    RecentFilter f = filter();
    f.excludeRemovableAndCdRom = true;
    f.isRemovableOrCdRom = [&asked](std::wstring_view root) {
        asked.emplace_back(root);
        return root == L"e:\\" || root == L"q:";
    };
    const Lines recent{L"e:\\photos", L"\\\\srv\\e", L"c:\\work", L"q:", L"e:\\"};
    EXPECT_EQ((Lines{L"c:\\work", L"\\\\srv\\e"}), compact(recent, f));
    EXPECT_EQ((Lines{L"e:\\", L"q:", L"c:\\", L"e:\\"}), asked) << "network paths are never asked about";
    f.excludeRemovableAndCdRom = false;
    asked.clear();
    EXPECT_EQ(5u, compact(recent, f).size());
    EXPECT_TRUE(asked.empty());
}

TEST(RecentCompaction, EmptyLinesAreNoEntries) {
    EXPECT_EQ((Lines{L"c:\\b", L"c:\\a"}), compact({L"c:\\a", L"", L"c:\\b", L""}, filter()));
}

TEST(RecentMenuLimit, MonitorHeightOverItemHeightLessOne) {
    EXPECT_EQ(55, recentMenuLimit(1080, 19));
    EXPECT_EQ(52, recentMenuLimit(1024, 19));
    EXPECT_EQ(1, recentMenuLimit(30, 19)) << "at least the newest folder";
    EXPECT_EQ(1, recentMenuLimit(1080, 0)) << "an unmeasured item height divides nothing";
    EXPECT_EQ(1, recentMenuLimit(-1, 19)) << "no monitor under the cursor";
}

TEST(RecentMenuOrder, SortTypes) {
    const Lines newestFirst{L"c:\\b", L"C:\\a\\z", L"c:\\a"};
    EXPECT_EQ((Lines{L"c:\\a", L"C:\\a\\z", L"c:\\b"}), recentMenuOrder(newestFirst, 0, textPlatform()));
    EXPECT_EQ((Lines{L"c:\\a", L"C:\\a\\z", L"c:\\b"}), recentMenuOrder(newestFirst, 1, textPlatform()));
    EXPECT_EQ(newestFirst, recentMenuOrder(newestFirst, 2, textPlatform()));
    const Lines unsorted{L"c:\\m", L"c:\\z", L"c:\\a"};
    EXPECT_EQ((Lines{L"c:\\a", L"c:\\z", L"c:\\m"}), recentMenuOrder(unsorted, 0, textPlatform()));
    EXPECT_EQ((Lines{L"c:\\a", L"c:\\m", L"c:\\z"}), recentMenuOrder(unsorted, 1, textPlatform()));
    EXPECT_EQ((Lines{L"c:\\a", L"c:\\m", L"c:\\z"}), recentMenuOrder(unsorted, 7, textPlatform()))
        << "an unknown type sorts as the installation's default";
}

TEST(RecentRewrite, ShownFoldersOldestFirstThenTheOpenedOne) {
    const Lines recent{L"c:\\a", L"c:\\fav", L"C:\\A", L"c:\\b"};
    RecentFilter f = filter();
    f.excludeFavorites = true;
    const Lines shown = compact(recent, f, {L"c:\\fav"});
    EXPECT_EQ((Lines{L"C:\\A", L"c:\\b", L"c:\\b"}), recentRewrite(shown, L"c:\\b"));
    EXPECT_EQ((Lines{L"c:\\n"}), recentRewrite({}, L"c:\\n"));
}

} // namespace
} // namespace pvn
