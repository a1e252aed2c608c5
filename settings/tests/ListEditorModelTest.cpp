#include "settings/ListEditorModel.h"

#include "common/TextPlatform.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

using Lines = std::vector<std::wstring>;

ListEditorModel editor(Lines recent, Lines favorites = {}, int sortType = 0) {
    ListEditorInput input;
    input.recent = std::move(recent);
    input.favorites = std::move(favorites);
    input.recentSortType = sortType;
    return ListEditorModel(std::move(input), textPlatform());
}

TEST(ListEditorModel, FoldersDifferingOnlyInTheirFirstLetterShowOnceAndGoTogether) {
    auto model = editor({L"C:\\Data", L"c:\\x", L"c:\\Data", L"c:\\x", L"c:\\DATA"});
    EXPECT_EQ((Lines{L"c:\\Data", L"c:\\x", L"c:\\DATA"}), model.recentItems()) << "newest at the bottom";
    EXPECT_EQ(2u, model.newestRecentIndex());
    EXPECT_EQ(std::nullopt, model.recentToWrite({L"c:\\x"})) << "nothing removed, nothing written";

    model.removeFromHistory({0});
    EXPECT_EQ((Lines{L"c:\\x", L"c:\\DATA"}), model.recentItems());
    // The file as it is at OK: another program appended c:\new meanwhile; duplicates of kept folders stay.
    const Lines fileNow{L"C:\\Data", L"c:\\x", L"c:\\Data", L"c:\\x", L"c:\\DATA", L"c:\\new", L"C:\\Data"};
    EXPECT_EQ((Lines{L"c:\\x", L"c:\\x", L"c:\\DATA", L"c:\\new"}), model.recentToWrite(fileNow));
}

TEST(ListEditorModel, OrderAndNewestSelectionFollowTheSortType) {
    const Lines recent{L"c:\\b", L"c:\\a", L"c:\\c"};
    struct Case {
        int sortType;
        Lines shown;
        std::size_t newest;
    };
    for (const Case& c : {Case{0, {L"c:\\b", L"c:\\a", L"c:\\c"}, 2}, Case{1, {L"c:\\a", L"c:\\b", L"c:\\c"}, 2},
                          Case{2, {L"c:\\c", L"c:\\a", L"c:\\b"}, 0}}) {
        auto model = editor(recent, {}, c.sortType);
        EXPECT_EQ(c.shown, model.recentItems()) << c.sortType;
        EXPECT_EQ(c.newest, model.newestRecentIndex()) << c.sortType;
    }
    EXPECT_EQ(std::nullopt, editor({}).newestRecentIndex());
}

TEST(ListEditorModel, ButtonStates) {
    EXPECT_EQ((RecentButtons{false, false, false}), recentButtonStates(0));
    EXPECT_EQ((RecentButtons{true, true, true}), recentButtonStates(1));
    EXPECT_EQ((RecentButtons{false, true, true}), recentButtonStates(3));
    EXPECT_EQ((FavoriteButtons{}), favoriteButtonStates(std::nullopt, 3));
    EXPECT_EQ((FavoriteButtons{false, true, true, true, true}), favoriteButtonStates(0, 3));
    EXPECT_EQ((FavoriteButtons{true, true, true, true, true}), favoriteButtonStates(1, 3));
    EXPECT_EQ((FavoriteButtons{true, false, true, true, true}), favoriteButtonStates(2, 3));
    EXPECT_EQ((FavoriteButtons{false, false, true, true, true}), favoriteButtonStates(0, 1));
}

TEST(ListEditorModel, AddingFromTheRecentListGoesBeforeTheSelectionAndStopsAtADuplicate) {
    auto model = editor({L"c:\\a", L"c:\\b", L"c:\\c"}, {L"c:\\f1", L"-", L"c:\\B"});
    model.selectFavorite(1);
    EXPECT_TRUE(model.addRecentToFavorites({0}));
    EXPECT_EQ((Lines{L"c:\\f1", L"c:\\a", L"-", L"c:\\B"}), model.favorites());
    EXPECT_EQ(1u, model.favoriteSelection());
    // c:\c goes in, then c:\b is found as c:\B and stops the rest.
    EXPECT_FALSE(model.addRecentToFavorites({2, 1, 0}));
    EXPECT_EQ((Lines{L"c:\\f1", L"c:\\c", L"c:\\a", L"-", L"c:\\B"}), model.favorites());

    model.selectFavorite(std::nullopt);
    EXPECT_TRUE(model.addFolder(L"D:\\New"));
    EXPECT_FALSE(model.addFolder(L"d:\\NEW"));
    EXPECT_EQ(L"d:\\New", model.favorites().back());
    EXPECT_EQ(model.favorites().size() - 1, model.favoriteSelection());
}

TEST(ListEditorModel, SeparatorsMoveAndGoLikeFoldersAndOnlyChangesAreWritten) {
    auto model = editor({}, {L"c:\\a", L"c:\\b"});
    EXPECT_EQ(std::nullopt, model.favoritesToWrite());
    model.selectFavorite(1);
    model.addSeparator();
    EXPECT_EQ((Lines{L"c:\\a", L"-", L"c:\\b"}), model.favorites());
    EXPECT_EQ(2u, model.favoriteSelection());
    model.selectFavorite(1);
    model.moveSelectedUp();
    model.moveSelectedUp(); // already first: stays
    EXPECT_EQ((Lines{L"-", L"c:\\a", L"c:\\b"}), model.favorites());
    EXPECT_EQ(0u, model.favoriteSelection());
    model.selectFavorite(1);
    model.moveSelectedDown();
    model.moveSelectedDown();
    EXPECT_EQ((Lines{L"-", L"c:\\b", L"c:\\a"}), model.favorites());
    model.selectFavorite(0);
    model.removeSelectedFavorite();
    EXPECT_EQ(std::nullopt, model.favoriteSelection());
    EXPECT_EQ((Lines{L"c:\\b", L"c:\\a"}), model.favoritesToWrite());

    model.moveSelectedDown(); // no selection: nothing
    model.selectFavorite(0);
    model.moveSelectedDown();
    EXPECT_EQ(std::nullopt, model.favoritesToWrite()) << "back as it was read";
}

TEST(ListEditorModel, AFileThatCouldNotBeReadIsNeverWritten) {
    ListEditorInput input;
    input.recent = {L"c:\\a"};
    input.recentWritable = false;
    input.favoritesWritable = false;
    ListEditorModel model(input, textPlatform());
    model.removeFromHistory({0});
    model.addFolder(L"c:\\x");
    EXPECT_EQ(std::nullopt, model.recentToWrite({L"c:\\a"}));
    EXPECT_EQ(std::nullopt, model.favoritesToWrite());
}

} // namespace
} // namespace pvn
