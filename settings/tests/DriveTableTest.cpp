#include "settings/DriveTable.h"
#include "settings/RecentMaintenance.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(DriveTable, NetworkLabelFromTheRemoteName) {
    EXPECT_EQ(L"share in server", networkDriveLabel(L"\\\\server\\share", L"z:"));
    EXPECT_EQ(L"share in server", networkDriveLabel(L"\\\\server\\share\\", L"z:"));
    for (const wchar_t* odd : {L"", L"\\\\", L"\\\\server", L"\\\\server\\", L"\\\\\\share", L"c:\\x",
                               L"\\\\server\\share\\sub"})
        EXPECT_EQ(L"z:", networkDriveLabel(odd, L"z:"));
}

TEST(DriveTable, DisplayTexts) {
    EXPECT_EQ(L"c:\\[System]", driveDisplayText(L"c:\\", L"System"));
    EXPECT_EQ(L"q:\\", driveDisplayText(L"q:\\", L""));
    EXPECT_EQ(L"x: 未接続？", missingDriveText(L'x'));
}

TEST(DriveTable, InsertKeepsOrderSkipsPresentAndFallsBackToTheEnd) {
    EXPECT_EQ(L"cdxe", insertDrives(L"ce", L"dx", 1));
    EXPECT_EQ(L"cedx", insertDrives(L"ce", L"dx", -1));
    EXPECT_EQ(L"cedx", insertDrives(L"ce", L"dx", 7));
    EXPECT_EQ(L"ce", insertDrives(L"ce", L"ec", 0));
    EXPECT_EQ(L"dce", insertDrives(L"ce", L"cd", 0));
    EXPECT_EQ(L"ab", insertDrives(L"", L"abab", 0));
}

TEST(DriveTable, ItemDataIsTheTableIndexPlusOne) {
    const std::vector<wchar_t> present = {L'c', L'q', L'r', L'z'};
    EXPECT_EQ(1, driveItemData(present, L'c'));
    EXPECT_EQ(4, driveItemData(present, L'z'));
    EXPECT_EQ(0, driveItemData(present, L'x'));
}

TEST(RecentMaintenance, NetworkFoldersOut) {
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\a", L"d:\\b", L"\\x"}),
              withoutNetworkFolders({L"c:\\a", L"\\\\srv\\s", L"d:\\b", L"\\x", L"\\\\srv\\t\\u"}));
}

TEST(RecentMaintenance, MissingFoldersOutUncheckedOnesKept) {
    std::vector<std::wstring> probed;
    const auto kept = withoutMissingFolders(
        {L"c:\\here", L"\\\\srv\\s", L"c:\\gone", L"z:\\mapped", L"c:\\here"},
        [](const std::wstring& p) { return p.starts_with(L"\\\\") || p.starts_with(L"z:"); },
        [&](const std::wstring& p) {
            probed.push_back(p);
            return p == L"c:\\here";
        });
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\here", L"\\\\srv\\s", L"z:\\mapped", L"c:\\here"}), kept);
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\here", L"c:\\gone", L"c:\\here"}), probed);
}

} // namespace
} // namespace pvn
