#include "tray/preview/FolderSummary.h"

#include <gtest/gtest.h>

#include <map>

namespace pvn {
namespace {

// Folders by path; a path it does not hold cannot be listed.
class FakeLister final : public IFolderLister {
public:
    std::map<std::wstring, std::vector<FolderEntry>> folders;
    std::vector<std::wstring> listed;
    std::vector<FolderEntry> list(const std::wstring& folder) override {
        listed.push_back(folder);
        auto it = folders.find(folder);
        return it == folders.end() ? std::vector<FolderEntry>{} : it->second;
    }
};

FolderEntry file(std::wstring name, std::uint64_t size, std::uint64_t written, std::uint64_t accessed) {
    return {std::move(name), false, false, size, written, accessed};
}
FolderEntry folder(std::wstring name, bool link = false) {
    return {std::move(name), true, link, 0, 0, 0};
}

std::wstring timeText(std::uint64_t t) {
    return t == 0 ? L"(不明)" : L"T" + std::to_wstring(t);
}

using Lines = std::vector<std::wstring>;

TEST(FolderSummary, EmptyAndMissingFoldersReadAsNothing) {
    FakeLister lister;
    lister.folders[L"c:\\empty"] = {};
    for (const wchar_t* root : {L"c:\\empty", L"c:\\gone"}) {
        FolderSummary s;
        ASSERT_TRUE(summariseFolder(lister, root, [] { return true; }, s));
        EXPECT_EQ((Lines{L"0バイト ファイル数:0 フォルダ数:0", L"最終更新 (不明) ", L"最終アクセス (不明) "}),
                  folderSummaryLines(s, root, timeText))
            << root;
    }
}

TEST(FolderSummary, AddsUpTheTreeAndNamesTheLatestFilesBelowTheRoot) {
    FakeLister lister;
    lister.folders[L"d:\\p"] = {file(L"a.txt", 1000, 50, 70), folder(L"sub"), file(L"b.txt", 234, 60, 70)};
    lister.folders[L"d:\\p\\sub"] = {file(L"c.bin", 1233000, 90, 10), folder(L"deeper")};
    lister.folders[L"d:\\p\\sub\\deeper"] = {file(L"tie.txt", 0, 90, 70)};
    FolderSummary s;
    int pumps = 0;
    ASSERT_TRUE(summariseFolder(lister, L"d:\\p\\", [&] { return ++pumps, true; }, s));
    EXPECT_EQ(4, pumps) << "once per folder and once before the lines";
    EXPECT_EQ((Lines{L"1,234,234バイト ファイル数:4 フォルダ数:2", L"最終更新 T90 sub\\c.bin",
                     L"最終アクセス T70 a.txt"}),
              folderSummaryLines(s, L"d:\\p\\", timeText))
        << "ties keep the file found first";
}

TEST(FolderSummary, LinksToFoldersAreCountedNotEntered) {
    FakeLister lister;
    // A junction back to the folder itself: the walk would never end if it followed it.
    lister.folders[L"c:\\loop"] = {folder(L"back", true), file(L"x", 5, 1, 1)};
    lister.folders[L"c:\\loop\\back"] = lister.folders[L"c:\\loop"];
    FolderSummary s;
    ASSERT_TRUE(summariseFolder(lister, L"c:\\loop", [] { return true; }, s));
    EXPECT_EQ(std::vector<std::wstring>{L"c:\\loop"}, lister.listed);
    EXPECT_EQ(1, s.folders);
    EXPECT_EQ(1u, s.files);
}

TEST(FolderSummary, DriveRootKeepsEveryCharacterOfTheRelativePath) {
    FakeLister lister;
    lister.folders[L"c:\\"] = {folder(L"Users")};
    lister.folders[L"c:\\Users"] = {file(L"n.txt", 1, 5, 5)};
    FolderSummary s;
    ASSERT_TRUE(summariseFolder(lister, L"c:\\", [] { return true; }, s));
    EXPECT_EQ(L"c:\\Users\\n.txt", s.latestWritten);
    EXPECT_EQ(L"最終更新 T5 Users\\n.txt", folderSummaryLines(s, L"c:\\", timeText)[1]);
    EXPECT_EQ(L"Users\\n.txt", pathBelow(L"c:\\", L"c:\\Users\\n.txt"));
    EXPECT_EQ(L"x", pathBelow(L"c:\\a", L"c:\\a\\x"));
    EXPECT_EQ(L"c:\\ab\\x", pathBelow(L"c:\\a", L"c:\\ab\\x")) << "a sibling with the same start is not below";
}

TEST(FolderSummary, CancelStopsTheWalkAtTheNextFolder) {
    FakeLister lister;
    lister.folders[L"c:\\t"] = {folder(L"1"), folder(L"2"), folder(L"3")};
    FolderSummary s;
    int pumps = 0;
    EXPECT_FALSE(summariseFolder(lister, L"c:\\t", [&] { return ++pumps < 3; }, s));
    EXPECT_EQ(3, pumps);
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\t", L"c:\\t\\1"}), lister.listed);
    EXPECT_FALSE(summariseFolder(lister, L"c:\\t", [&] { return ++pumps < 8; }, s))
        << "a cancel during the last pump still shows nothing";
}

} // namespace
} // namespace pvn
