// Archives and texts made by real tools (data/make_fixtures.sh), read from disk.
#include "tray/preview/ArchivePreview.h"
#include "tray/preview/BitmapReader.h"
#include "tray/preview/CCabFileEnum.h"
#include "tray/preview/CZipFileEnum.h"
#include "tray/preview/PosixByteSource.h"
#include "tray/preview/TextPreview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pvn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

std::wstring fixture(const char* name) {
    std::string p = std::string(PVN_PREVIEW_TEST_DATA) + "/" + name;
    return std::wstring(p.begin(), p.end());
}

class FixturesTest : public ::testing::Test {
protected:
    std::vector<std::wstring> zipNames(const char* name) {
        CZipFileEnum zip(env, fixture(name), true);
        EXPECT_EQ(zip.errorText(), L"") << name;
        std::vector<std::wstring> out;
        zip.listEntries(out);
        return out;
    }
    std::vector<std::wstring> cabNames(const char* name) {
        CCabFileEnum cab(env, fixture(name), true);
        EXPECT_EQ(cab.errorText(), L"") << name;
        std::vector<std::wstring> out;
        cab.listEntries(out);
        return out;
    }
    std::vector<std::wstring> text(const char* name) {
        std::vector<std::wstring> lines;
        EXPECT_TRUE(textPreview(env, fixture(name), {10, 4}, lines));
        return lines;
    }

    PosixFileSystem files;
    CollectingPreviewUi ui;
    PreviewEnv env{files, textPlatform(), ui};
};

TEST_F(FixturesTest, InfoZipArchives) {
    EXPECT_THAT(zipNames("infozip_order.zip"), ElementsAre(L"a\\", L"a\\c.txt", L"b.txt"));

    CZipFileEnum commented(env, fixture("infozip_comment.zip"), true);
    auto comment = commented.data().block(commented.archiveComment());
    EXPECT_THAT(std::string(comment.begin(), comment.end()), StartsWith("an archive comment"));

    CZipFileEnum streamed(env, fixture("infozip_stream.zip"), true);
    EXPECT_EQ(streamed.errorText(), L"");
    ASSERT_EQ(streamed.records().size(), 1u);
    EXPECT_EQ(streamed.records()[0].flags() & 0x0008, 0);
    EXPECT_EQ(streamed.names()[0], L"-");

    CZipFileEnum zip64(env, fixture("infozip_zip64.zip"), true);
    EXPECT_EQ(zip64.errorText(), L"");
    // Its 32-bit end record holds the directory's offset, so the ZIP64 one is not consulted.
    EXPECT_FALSE(zip64.zip64());
    ASSERT_EQ(zip64.records().size(), 1u);
    EXPECT_EQ(zip64.records()[0].uncompressedSize, 14u);
}

TEST_F(FixturesTest, PythonZip64Archive) {
    CZipFileEnum zip(env, fixture("python_zip64.zip"), true);
    ASSERT_EQ(zip.errorText(), L"");
    EXPECT_TRUE(zip.zip64());
    EXPECT_THAT(zip.names(), ElementsAre(L"alpha/", L"alpha/beta.txt", L"zeta.txt"));
    EXPECT_EQ(zip.records()[2].uncompressedSize, 24u);
    EXPECT_EQ(zip.records()[1].uncompressedSize, 42u);
    EXPECT_GT(zip.records()[1].localHeaderOffset, 0u);
    EXPECT_GE(zip.records()[2].localExtra, 0);
}

TEST_F(FixturesTest, PythonDuplicatesNtfsTimesNamesAndDescriptors) {
    CZipFileEnum dup(env, fixture("python_duplicate.zip"), true);
    EXPECT_EQ(dup.errorText(), L"重複したファイル名 x.txt index1, 2 = 0 2");

    CZipFileEnum ntfs(env, fixture("python_ntfs.zip"), true);
    ASSERT_EQ(ntfs.errorText(), L"");
    EXPECT_EQ(ntfs.records()[0].modified, 132854688000000000u);
    EXPECT_EQ(ntfs.records()[0].accessed, 132854688010000000u);
    EXPECT_EQ(ntfs.records()[0].created, 132854687990000000u);

    EXPECT_THAT(zipNames("python_names.zip"), ElementsAre(L"ascii.txt", L"日本語.txt", L"漢字かな.txt___"));
    EXPECT_THAT(zipNames("python_descriptor_nosig.zip"), ElementsAre(L"first.txt", L"second.txt"));
}

TEST_F(FixturesTest, GcabCabinets) {
    EXPECT_THAT(cabNames("gcab_folders.cab"), ElementsAre(L"b.txt", L"dir\\a.txt", L"dir\\"));
    EXPECT_THAT(cabNames("gcab_utf8.cab"), ElementsAre(L"b.txt", L"フォルダ\\名前.txt", L"フォルダ\\"));
}

TEST_F(FixturesTest, TextsInEachEncoding) {
    EXPECT_THAT(text("sjis.txt"), ElementsAre(L"日本語のテキスト", L"二行目 タブ"));
    EXPECT_THAT(text("utf16_bom.txt"), ElementsAre(L"UTF-16 テキスト", L"二行目"));
    EXPECT_THAT(text("utf16_nobom.txt"), ElementsAre(L"かなカナ漢字かなカナ漢字"));
    EXPECT_THAT(text("utf8_bom.txt"), ElementsAre(L"UTF-8 テキスト"));
}

TEST_F(FixturesTest, ListingStepOverRealFiles) {
    std::vector<std::wstring> lines;
    ASSERT_TRUE(archivePreview(env, fixture("gcab_folders.cab"), 2, lines));
    EXPECT_THAT(lines, ElementsAre(L"b.txt", L"dir\\a.txt", L" ："));
    ASSERT_TRUE(archivePreview(env, fixture("sjis.txt") + L".zip", 2, lines));
    EXPECT_THAT(lines, ElementsAre(L"アーカイブ中身なし"));
    EXPECT_THAT(ui.messages, IsEmpty());
}

// ImageMagick's bitmaps: every plain depth is read whole at its size; run-length encoding is not.
TEST(BitmapFixturesTest, ImageMagickBitmapsOfEveryDepth) {
    struct Case {
        const char* name;
        const wchar_t* caption;
        std::size_t infoSize;
    };
    const Case cases[] = {
        {"im_1.bmp", L"12x16(1bit)", 40 + 8},     {"im_4.bmp", L"12x16(4bit)", 40 + 64},
        {"im_8.bmp", L"12x16(8bit)", 40 + 1024},  {"im_16.bmp", L"12x16(16bit)", 40 + 12},
        {"im_24.bmp", L"12x16(24bit)", 40},       {"im_32.bmp", L"12x16(32bit)", 40 + 12},
        {"im_24topdown.bmp", L"12x16(24bit)", 40},
    };
    std::vector<std::uint8_t> bottomUp;
    for (const Case& c : cases) {
        const std::string path = std::string(PVN_PREVIEW_TEST_DATA) + "/" + c.name;
        PosixFileSystem files;
        OpenResult file = files.openRead(std::wstring(path.begin(), path.end()), AccessHint::RandomAccess);
        ASSERT_TRUE(file.source) << c.name;
        CollectingPreviewUi ui;
        const auto picture = readBitmap(*file.source, ui, 500, 500);
        ASSERT_TRUE(picture) << c.name;
        EXPECT_EQ(picture->caption, c.caption);
        EXPECT_EQ(picture->info.size(), c.infoSize) << c.name;
        const auto header = DibHeader::parse(picture->info);
        EXPECT_TRUE(dibBitsComplete(*header, picture->bits.size())) << c.name;
        if (std::string(c.name) == "im_24.bmp")
            bottomUp = picture->bits;
        if (std::string(c.name) == "im_24topdown.bmp") {
            EXPECT_EQ(picture->bits, bottomUp);
        }
    }
    const std::string rle = std::string(PVN_PREVIEW_TEST_DATA) + "/im_8rle.bmp";
    PosixFileSystem files;
    OpenResult file = files.openRead(std::wstring(rle.begin(), rle.end()), AccessHint::RandomAccess);
    ASSERT_TRUE(file.source);
    EXPECT_FALSE(inspectBitmap(*file.source));
}

} // namespace
} // namespace pvn
