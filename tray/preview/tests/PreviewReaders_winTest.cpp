// The readers over real Win32 files, with the real code page conversions and lstrcmpW.
#include "tray/preview/ArchivePreview.h"
#include "tray/preview/CCabFileEnum.h"
#include "tray/preview/CZipFileEnum.h"
#include "tray/preview/TextPreview.h"
#include "tray/preview/Win32ByteSource_win.h"
#include "tray/preview/tests/ArchiveBytes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

namespace pvn {
namespace {

using ::testing::ElementsAre;

std::wstring fixture(const char* name) {
    std::string p = std::string(PVN_PREVIEW_TEST_DATA) + "/" + name;
    std::wstring w = L"Z:" + std::wstring(p.begin(), p.end());
    std::replace(w.begin(), w.end(), L'/', L'\\');
    return w;
}

// A scratch folder under the temporary folder, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temp);
        m_path = std::wstring(temp) + L"pvn_preview_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~ScratchFolder() {
        Win32FileSystem().clearWorkFolder(m_path);
        RemoveDirectoryW(m_path.c_str());
    }
    const std::wstring& path() const { return m_path; }
    std::wstring write(const std::wstring& name, const std::vector<std::uint8_t>& bytes) const {
        std::wstring p = m_path + L"\\" + name;
        HANDLE h = CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD n = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
        CloseHandle(h);
        return p;
    }

private:
    std::wstring m_path;
};

class PreviewReadersWinTest : public ::testing::Test {
protected:
    std::vector<std::wstring> sortedByLstrcmpW(std::vector<std::wstring> names) {
        std::stable_sort(names.begin(), names.end(),
                         [](const std::wstring& a, const std::wstring& b) { return lstrcmpW(a.c_str(), b.c_str()) < 0; });
        return names;
    }
    Win32FileSystem files;
    CollectingPreviewUi ui;
    PreviewEnv env{files, textPlatform(), ui};
    ScratchFolder scratch;
};

TEST_F(PreviewReadersWinTest, ByteSourceReadsSeeksAndSizes) {
    std::wstring path = scratch.write(L"bytes.bin", {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'});
    EXPECT_TRUE(files.exists(path));
    OpenResult r = files.openRead(path, AccessHint::RandomAccess);
    ASSERT_TRUE(r.source);
    std::uint64_t size = 0;
    EXPECT_EQ(r.source->size(size), 0u);
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(r.source->seek(7), 0u);
    char buf[8] = {};
    std::size_t got = 0;
    EXPECT_EQ(r.source->read(buf, sizeof buf, got), 0u);
    EXPECT_EQ(std::string(buf, got), "789");
    EXPECT_EQ(r.source->seek(1000), 0u); // beyond the end is allowed
    EXPECT_EQ(r.source->read(buf, sizeof buf, got), 0u);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(r.source->seek(-1), static_cast<std::uint32_t>(ERROR_NEGATIVE_SEEK));
    // Shared read: a second reader may open it while the first holds it.
    OpenResult second = files.openRead(path, AccessHint::SequentialScan);
    EXPECT_TRUE(second.source);
}

TEST_F(PreviewReadersWinTest, OpenFailuresGiveTheirCodesAndMessages) {
    EXPECT_FALSE(files.exists(scratch.path() + L"\\none.zip"));
    EXPECT_EQ(files.openRead(scratch.path() + L"\\none.zip", AccessHint::RandomAccess).error,
              static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));

    std::wstring path = scratch.write(L"locked.zip", test::buildZip({}));
    HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(files.openRead(path, AccessHint::RandomAccess).error,
              static_cast<std::uint32_t>(ERROR_SHARING_VIOLATION));
    {
        CZipFileEnum zip(env, path, true);
        EXPECT_EQ(zip.errorText(), path + L"\nアーカイブファイル使用中");
    }
    CloseHandle(writer);
    CZipFileEnum zip(env, path, true);
    EXPECT_EQ(zip.errorText(), L"");
}

TEST_F(PreviewReadersWinTest, ListingsAreInLstrcmpWOrder) {
    test::ZipLayout layout;
    for (const char* n : {"c.txt", "B.txt", "a.txt", "A.txt", "b-c", "bc", "_x"}) {
        test::ZipEntryLayout e;
        e.name = n;
        layout.entries.push_back(e);
    }
    std::wstring path = scratch.write(L"order.zip", test::buildZip(layout));
    CZipFileEnum zip(env, path, true);
    ASSERT_EQ(zip.errorText(), L"");
    EXPECT_EQ(zip.names(), sortedByLstrcmpW({L"c.txt", L"B.txt", L"a.txt", L"A.txt", L"b-c", L"bc", L"_x"}));
    // Not the ordinal order: lower and upper case letters are mixed.
    auto pos = [&](const wchar_t* n) { return std::find(zip.names().begin(), zip.names().end(), n) - zip.names().begin(); };
    EXPECT_LT(pos(L"a.txt"), pos(L"B.txt"));
    EXPECT_LT(pos(L"B.txt"), pos(L"c.txt"));

    test::CabLayout cab;
    for (const char* n : {"Z\\y", "a\\b", "B"}) {
        test::CabFileLayout f;
        f.name = n;
        cab.files.push_back(f);
    }
    std::wstring cabPath = scratch.write(L"order.cab", test::buildCab(cab));
    std::vector<std::wstring> lines;
    ASSERT_TRUE(archivePreview(env, cabPath, 10, lines));
    EXPECT_THAT(lines, ElementsAre(L"a\\b", L"B", L"Z\\y", L"a\\", L"Z\\"));
}

TEST_F(PreviewReadersWinTest, NamesDecodedWithTheSystemCodePageOrUtf8) {
    ASSERT_EQ(GetACP(), 932u);
    CZipFileEnum zip(env, fixture("python_names.zip"), true);
    ASSERT_EQ(zip.errorText(), L"");
    EXPECT_EQ(zip.names(), sortedByLstrcmpW({L"ascii.txt", L"日本語.txt", L"漢字かな.txt___"}));

    CCabFileEnum cab(env, fixture("gcab_utf8.cab"), true);
    ASSERT_EQ(cab.errorText(), L"");
    EXPECT_EQ(cab.names(), sortedByLstrcmpW({L"b.txt", L"フォルダ\\名前.txt"}));

    test::CabLayout sjis;
    test::CabFileLayout f;
    f.name = "\x83\x74\x83\x40\x83\x43\x83\x8b"; // ファイル in code page 932
    sjis.files.push_back(f);
    CCabFileEnum ansi(env, scratch.write(L"sjis.cab", test::buildCab(sjis)), true);
    EXPECT_THAT(ansi.names(), ElementsAre(L"ファイル"));
}

TEST_F(PreviewReadersWinTest, TextPreviewWithTheRealConversions) {
    std::vector<std::wstring> lines;
    ASSERT_TRUE(textPreview(env, fixture("sjis.txt"), {10, 4}, lines));
    EXPECT_THAT(lines, ElementsAre(L"日本語のテキスト", L"二行目 タブ"));
    ASSERT_TRUE(textPreview(env, fixture("utf16_nobom.txt"), {10, 4}, lines));
    EXPECT_THAT(lines, ElementsAre(L"かなカナ漢字かなカナ漢字"));
    EXPECT_FALSE(textPreview(env, scratch.path() + L"\\missing.txt", {10, 4}, lines));
}

TEST_F(PreviewReadersWinTest, WrappingCountsUtf16Units) {
    // "a" and 30 characters outside the BMP: 61 units. The cut after 50 units splits a pair, as
    // the width is counted in units.
    std::vector<std::uint8_t> bytes{0xFF, 0xFE, 'a', 0};
    for (int i = 0; i < 30; ++i)
        bytes.insert(bytes.end(), {0x3D, 0xD8, 0x00, 0xDE}); // U+1F600
    std::vector<std::wstring> lines;
    ASSERT_TRUE(textPreview(env, scratch.write(L"emoji.txt", bytes), {10, 4}, lines));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 50u);
    EXPECT_EQ(lines[0].back(), 0xD83D);
    EXPECT_EQ(lines[1].size(), 11u);
    EXPECT_EQ(lines[1].front(), 0xDE00);

    // UTF-8 four-byte sequences decode to pairs.
    std::string utf8 = "\xEF\xBB\xBF\xF0\x9F\x98\x80";
    ASSERT_TRUE(textPreview(env, scratch.write(L"emoji8.txt", {utf8.begin(), utf8.end()}), {10, 4}, lines));
    EXPECT_THAT(lines, ElementsAre(std::wstring{0xD83D, 0xDE00}));
}

TEST_F(PreviewReadersWinTest, WorkFolderIsEmptiedAndCreated) {
    std::wstring work = scratch.path() + L"\\PVAWork";
    EXPECT_EQ(files.tempFolder().back(), L'\\');
    files.clearWorkFolder(work);
    EXPECT_NE(GetFileAttributesW(work.c_str()), INVALID_FILE_ATTRIBUTES);
    CreateDirectoryW((work + L"\\sub").c_str(), nullptr);
    std::wstring ro = work + L"\\sub\\ro.txt";
    HANDLE h = CreateFileW(ro.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, nullptr);
    CloseHandle(h);
    std::wstring beside = scratch.write(L"beside.txt", {'k'});
    files.clearWorkFolder(work);
    EXPECT_EQ(GetFileAttributesW(ro.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW((work + L"\\sub").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesW(work.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesW(beside.c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
} // namespace pvn
