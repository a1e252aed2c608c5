#include "menu/DriveMenu.h"

#include "common/SettingsValues.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

std::wstring lower(std::wstring_view t) {
    return asciiLowerCase(t);
}

TEST(DriveMenu, AllBecomesThePresentLettersAtMost26) {
    EXPECT_EQ(L"cdz", driveLetters(L"all", {L"c:\\", L"d:\\", L"z:\\"}));
    EXPECT_EQ(L"dc", driveLetters(L"dc", {L"c:\\"}));
    std::vector<std::wstring> many(30, L"x:\\");
    EXPECT_EQ(26u, driveLetters(L"all", many).size());
}

TEST(DriveMenu, RemoteLabelIsShareInServer) {
    EXPECT_EQ(L"s in v", remoteDriveLabel(L"\\\\v\\s"));
    EXPECT_EQ(L"share\\sub in server", remoteDriveLabel(L"\\\\server\\share\\sub"));
    EXPECT_FALSE(remoteDriveLabel(L"\\\\server"));
    EXPECT_FALSE(remoteDriveLabel(L""));
    EXPECT_EQ(L"z:[s in v]", driveItemText(L'z', *remoteDriveLabel(L"\\\\v\\s")));
    EXPECT_EQ(L"c:", driveItemText(L'c', L""));
}

TEST(DriveMenu, EntriesFollowTheLettersAndSkipMissingDrives) {
    DriveProbe probe{
        [](const std::wstring& root) { return root != L"e:\\"; },
        [](const std::wstring& root) { return root == L"c:\\" ? std::wstring(L"System") : std::wstring(); }};
    auto entries = driveEntries(L"DeC", probe, lower);
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(L"d:\\", entries[0].root);
    EXPECT_EQ(L"d:", entries[0].text);
    EXPECT_EQ(L"c:\\", entries[1].root);
    EXPECT_EQ(L"c:[System]", entries[1].text);
}

} // namespace
} // namespace pvn
