#include "common/Paths_win.h"
#include "common/FileTimeText_win.h"
#include "common/Handle_win.h"
#include "common/ShortenPath_win.h"
#include "common/tests/support/BoxWatcher_win.h"

#include <shlobj.h>

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(SpecialFolder, ApplicationDataAndTheCurrentDirectory) {
    wchar_t expected[MAX_PATH] = L"";
    ASSERT_EQ(S_OK, SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, expected));
    EXPECT_EQ(std::wstring(expected), specialFolderPath(CSIDL_APPDATA).value_or(L""));
    wchar_t current[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(std::wstring(current), specialFolderPath(kCurrentDirectory).value_or(L""));
}

TEST(SpecialFolder, AnUnknownFolderIsReported) {
    test::BoxWatcher boxes;
    EXPECT_FALSE(specialFolderPath(0x7F).has_value());
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(0u, boxes.texts()[0].rfind(L"SHGetSpecialFolderLocation Error Code =0x", 0))
        << boxes.texts()[0].c_str();
}

TEST(PathExistence, RootsAndSharesCountAsExisting) {
    EXPECT_TRUE(pathExists(L"C:\\"));
    EXPECT_TRUE(folderExists(L"C:\\"));
    EXPECT_TRUE(folderExists(L"C:\\windows"));
    EXPECT_FALSE(pathExists(L"C:\\no such folder here"));
    EXPECT_FALSE(folderExists(L"C:\\no such folder here"));
}

TEST(PathExistence, FolderOnlyVariantRejectsFiles) {
    const std::wstring exe = modulePath();
    EXPECT_TRUE(pathExists(exe));
    EXPECT_FALSE(folderExists(exe));
}

TEST(ShortPath, FolderWithASpaceHasAShortNameAndAMissingOneIsReported) {
    const std::wstring folder = L"C:\\pvn short path test";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::optional<std::wstring> shortName = shortPathName(folder);
    RemoveDirectoryW(folder.c_str());
    ASSERT_TRUE(shortName.has_value());
    EXPECT_EQ(std::wstring::npos, shortName->find(L' ')) << shortName->c_str();
    EXPECT_EQ(0u, shortName->rfind(L"C:\\", 0));
    test::BoxWatcher boxes;
    EXPECT_FALSE(shortPathName(L"C:\\no such folder here").has_value());
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(0u, boxes.texts()[0].rfind(L"GetShortPathName Error Code =", 0));
}

FILETIME fileTimeOfLocal(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME local{};
    local.wYear = year;
    local.wMonth = month;
    local.wDay = day;
    local.wHour = hour;
    local.wMinute = minute;
    local.wSecond = second;
    FILETIME localTime{}, utc{};
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    return utc;
}

TEST(FileTimeText, LocalTimeWithWeekday) {
    EXPECT_EQ(L"2024/03/09(土)07:05:01", fileTimeText(fileTimeOfLocal(2024, 3, 9, 7, 5, 1)));
    EXPECT_EQ(L"2001/01/01(月)23:59:59", fileTimeText(fileTimeOfLocal(2001, 1, 1, 23, 59, 59)));
}

TEST(FileTimeText, ZeroAndUnconvertibleTimesAreUnknown) {
    EXPECT_EQ(L"(不明)", fileTimeText(FILETIME{0, 0}));
    EXPECT_EQ(L"(不明)", fileTimeText(FILETIME{0xFFFFFFFF, 0xFFFFFFFF}));
}

TEST(ShortenPathWindows, MeasuredInTheDeviceContext) {
    UniqueDC dc(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const std::wstring path = L"C:\\Users\\データ\\とても長いフォルダの名前\\プロジェクト\\最後";
    SIZE whole{};
    GetTextExtentPoint32W(dc.get(), path.c_str(), static_cast<int>(path.size()), &whole);
    EXPECT_EQ(path, shortenPathToWidth(path, dc.get(), whole.cx + 1));
    const std::wstring shortened = shortenPathToWidth(path, dc.get(), whole.cx / 2);
    EXPECT_EQ(0u, shortened.rfind(L"C:\\...\\", 0)) << shortened.c_str();
    SIZE part{};
    GetTextExtentPoint32W(dc.get(), shortened.c_str(), static_cast<int>(shortened.size()), &part);
    EXPECT_LT(part.cx, whole.cx / 2);
    EXPECT_EQ(L"...\\最後", shortenPathToWidth(path, dc.get(), 1));
}

TEST(ShortenPathWindows, AFailedMeasurementIsReportedAsGTEP32) {
    test::BoxWatcher boxes;
    EXPECT_EQ(L"C:\\a\\b", shortenPathToWidth(L"C:\\a\\b", static_cast<HDC>(nullptr), 10));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(0u, boxes.texts()[0].rfind(L"GTEP32 Error Code =", 0));
}

} // namespace
} // namespace pvn
