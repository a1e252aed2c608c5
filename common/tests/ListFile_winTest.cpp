#include "common/ListFile_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/tests/support/BoxWatcher_win.h"

#include <shlobj.h>

#include <gtest/gtest.h>

namespace pvn {
namespace {

using Lines = std::vector<std::wstring>;

std::string readBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void writeBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::wstring appData() {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, path);
    return path;
}

// The real list folder of this prefix, moved aside for the test and put back afterwards.
class ListFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = appData() + L"\\Morrick";
        m_aside = m_folder + L".pvn-test-aside";
        m_moved = MoveFileW(m_folder.c_str(), m_aside.c_str()) != FALSE;
    }
    void TearDown() override {
        for (const wchar_t* name : {kRecentListName, kFavoritesListName, L"other.lst"})
            DeleteFileW((m_folder + L"\\" + name).c_str());
        RemoveDirectoryW(m_folder.c_str());
        if (m_moved)
            MoveFileW(m_aside.c_str(), m_folder.c_str());
    }
    void makeFolder() { ASSERT_TRUE(CreateDirectoryW(m_folder.c_str(), nullptr)); }
    std::wstring recent() const { return m_folder + L"\\" + kRecentListName; }

    std::wstring m_folder;
    std::wstring m_aside;
    bool m_moved = false;
};

TEST_F(ListFolderTest, ListPathsLieInTheApplicationDataFolder) {
    EXPECT_EQ(recent(), recentListPath().value_or(L""));
    EXPECT_EQ(m_folder + L"\\PVNFavorites.lst", favoritesListPath().value_or(L""));
}

TEST_F(ListFolderTest, AppendWritesTheLowerCasedLineWithCrLf) {
    makeFolder();
    EXPECT_TRUE(AppendRecentFolder(L"C:\\Data"));
    EXPECT_EQ("c:\\Data\r\n", readBytes(recent()));
    EXPECT_TRUE(AppendRecentFolder(L"\\\\Server\\Share\\Dir"));
    EXPECT_TRUE(AppendRecentFolder(L"C:\\データ"));
    EXPECT_EQ("c:\\Data\r\n\\\\Server\\Share\\Dir\r\nc:\\\x83\x66\x81\x5B\x83\x5E\r\n", readBytes(recent()));
    EXPECT_EQ((Lines{L"c:\\Data", L"\\\\Server\\Share\\Dir", L"c:\\データ"}), readListFile(recent()));
}

TEST_F(ListFolderTest, AppendingAnEmptyPathWritesNothing) {
    makeFolder();
    EXPECT_FALSE(AppendRecentFolder(L""));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(recent().c_str()));
}

TEST_F(ListFolderTest, AppendWithoutTheFolderReportsAndCreatesNothing) {
    test::BoxWatcher boxes;
    EXPECT_FALSE(AppendRecentFolder(L"C:\\Data"));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(L"fopen_s Error at WriteLog", boxes.texts()[0]);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_folder.c_str()));
}

TEST_F(ListFolderTest, AMissingFileIsReportedAndReadsEmpty) {
    makeFolder();
    test::BoxWatcher boxes;
    EXPECT_EQ(Lines{}, readListFile(recent()));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(recent() + L"\nファイルがないのかもしれません", boxes.texts()[0]);
}

TEST_F(ListFolderTest, AFiveHundredByteJapaneseLineIsOneEntry) {
    makeFolder();
    // Double-byte characters start at odd offsets, so one straddles byte 300.
    std::string line = "c:\\ab";
    std::wstring expected = L"c:\\ab";
    for (int i = 0; i < 82; ++i) {
        line += "\x83\x66\x81\x5B\x83\x5E";
        expected += L"データ";
    }
    line += "\x83\x66z";
    expected += L"デz";
    ASSERT_EQ(500u, line.size());
    writeBytes(recent(), line + "\r\nc:\\next\r\n");
    EXPECT_EQ((Lines{expected, L"c:\\next"}), readListFile(recent()));
}

TEST_F(ListFolderTest, LfOnlyFilesReadLikeCrLfFiles) {
    makeFolder();
    const std::wstring other = m_folder + L"\\other.lst";
    writeBytes(recent(), "c:\\a\nd:\\\x95\x5C\n\\\\srv\\s");
    writeBytes(other, "c:\\a\r\nd:\\\x95\x5C\r\n\\\\srv\\s\r\n");
    EXPECT_EQ((Lines{L"c:\\a", L"d:\\表", L"\\\\srv\\s"}), readListFile(recent()));
    EXPECT_EQ(readListFile(recent()), readListFile(other));
}

TEST_F(ListFolderTest, WriteReplacesTheWholeFileWithCrLfLines) {
    makeFolder();
    writeBytes(recent(), std::string(2000, 'x'));
    EXPECT_TRUE(writeListFile(recent(), {L"c:\\a", L"d:\\表"}));
    EXPECT_EQ("c:\\a\r\nd:\\\x95\x5C\r\n", readBytes(recent()));
    EXPECT_TRUE(writeListFile(recent(), {}));
    EXPECT_EQ("", readBytes(recent()));
}

TEST_F(ListFolderTest, ACharacterOutsideTheCodePageIsStoredAsItsReplacement) {
    makeFolder();
    EXPECT_TRUE(writeListFile(recent(), {L"c:\\x한y"}));
    EXPECT_EQ("c:\\x?y\r\n", readBytes(recent()));
    EXPECT_EQ((Lines{L"c:\\x?y"}), readListFile(recent()));
}

TEST_F(ListFolderTest, WritingIntoAMissingFolderFails) {
    EXPECT_FALSE(writeListFile(recent(), {L"c:\\a"}));
}

} // namespace
} // namespace pvn
