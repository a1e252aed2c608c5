#include "tray/preview/CCabFileEnum.h"

#include "tray/preview/tests/ArchiveBytes.h"
#include "tray/preview/tests/PreviewHarness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pvn {
namespace {

using test::buildCab;
using test::CabFileLayout;
using test::CabLayout;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::wstring kPath = L"C:\\a.cab";

class CabTest : public ::testing::Test {
protected:
    std::unique_ptr<CCabFileEnum> read(const CabLayout& layout) { return readBytes(buildCab(layout)); }
    std::unique_ptr<CCabFileEnum> readBytes(std::vector<std::uint8_t> bytes) {
        h.files.add(kPath, std::move(bytes));
        return std::make_unique<CCabFileEnum>(h.env, kPath, true);
    }
    static std::vector<std::wstring> listed(CCabFileEnum& cab, std::size_t limit = CArcFile::kNoLimit) {
        std::vector<std::wstring> out;
        EXPECT_TRUE(cab.listEntries(out, limit));
        return out;
    }
    test::PreviewHarness h;
};

CabLayout withFiles(std::vector<CabFileLayout> files) {
    CabLayout layout;
    layout.files = std::move(files);
    return layout;
}

CabFileLayout file(std::string name, std::uint16_t folder = 0) {
    CabFileLayout f;
    f.name = std::move(name);
    f.folder = folder;
    return f;
}

TEST_F(CabTest, NoFilesListsNothing) {
    auto cab = read({});
    EXPECT_EQ(cab->errorText(), L"");
    EXPECT_THAT(listed(*cab), IsEmpty());
}

TEST_F(CabTest, FilesInOrderThenFolderLines) {
    auto cab = read(withFiles({file("dir\\a.txt"), file("b.txt")}));
    ASSERT_EQ(cab->errorText(), L"");
    EXPECT_THAT(listed(*cab), ElementsAre(L"b.txt", L"dir\\a.txt", L"dir\\"));
}

TEST_F(CabTest, EveryFolderPrefixOnceInOrderOfFirstAppearance) {
    auto cab = read(withFiles({file("x\\y\\z.txt"), file("x\\w.txt"), file("a\\b\\c\\d"), file("a\\e")}));
    EXPECT_THAT(listed(*cab), ElementsAre(L"a\\b\\c\\d", L"a\\e", L"x\\w.txt", L"x\\y\\z.txt", L"a\\", L"a\\b\\",
                                          L"a\\b\\c\\", L"x\\", L"x\\y\\"));
}

TEST_F(CabTest, ListingStopsAtTheLimitAndShowsTheBusyCursor) {
    auto cab = read(withFiles({file("b\\1"), file("a\\2")}));
    EXPECT_THAT(listed(*cab, 3), ElementsAre(L"a\\2", L"b\\1", L"a\\"));
    EXPECT_THAT(listed(*cab, 1), ElementsAre(L"a\\2"));
    EXPECT_THAT(h.ui.cursors, ElementsAre(ArcCursor::Busy3, ArcCursor::Arrow, ArcCursor::Busy3, ArcCursor::Arrow));
}

TEST_F(CabTest, EqualNamesAreAllKeptInTheirOrder) {
    auto cab = read(withFiles({file("same", 1), file("other", 0), file("same", 2)}));
    EXPECT_THAT(cab->names(), ElementsAre(L"other", L"same", L"same"));
    EXPECT_EQ(cab->records()[1].folder, 1);
    EXPECT_EQ(cab->records()[2].folder, 2);
    EXPECT_EQ(cab->records()[1].nameBytes, 5u);
}

TEST_F(CabTest, NamesDecodedByTheirUtf8Attribute) {
    CabFileLayout utf8 = file(test::kUtf8Nihongo + ".txt");
    utf8.attribs = 0x80;
    CabFileLayout sjis = file(test::kSjisNihongo + "\\x");
    auto cab = read(withFiles({utf8, sjis}));
    ASSERT_EQ(cab->errorText(), L"");
    EXPECT_THAT(cab->names(), ElementsAre(L"日本語.txt", L"日本語\\x"));
}

TEST_F(CabTest, NotACabinet) {
    CabLayout layout;
    layout.signature = "MSCX";
    EXPECT_EQ(read(layout)->errorText(), L"*.cab ファイルではありません");
    EXPECT_EQ(readBytes({'M', 'S', 'C', 'F'})->errorText(), L"Read Error = 38 at CFHEADER");
}

TEST_F(CabTest, ReserveAreaDecidesThePlainDataBlocksFlag) {
    CabLayout layout = withFiles({file("a")});
    layout.reserve = true;
    auto plain = read(layout);
    EXPECT_TRUE(plain->plainDataBlocks());
    EXPECT_TRUE(plain->canExtractItem());
    layout.dataReserve = 8;
    auto reserved = read(layout);
    EXPECT_FALSE(reserved->plainDataBlocks());
    EXPECT_FALSE(reserved->canExtractAll());
    EXPECT_THAT(reserved->names(), ElementsAre(L"a"));
    layout.dataReserve = 0;
    layout.folderReserve = 1;
    EXPECT_FALSE(read(layout)->plainDataBlocks());
}

TEST_F(CabTest, TruncatedReserveIsAShortRead) {
    CabLayout layout;
    layout.reserve = true;
    auto bytes = buildCab(layout);
    bytes.resize(38);
    EXPECT_EQ(readBytes(bytes)->errorText(), L"Read Error = 38 at CFHEADERRESERVE");
}

TEST_F(CabTest, NameWithoutZeroIsCutAtTheEndOfWhatWasRead) {
    CabFileLayout f = file(std::string(300, 'n'));
    f.terminate = false;
    CabLayout layout = withFiles({f});
    layout.tail = 0;
    auto cab = read(layout);
    ASSERT_EQ(cab->errorText(), L"");
    ASSERT_EQ(cab->names().size(), 1u);
    EXPECT_EQ(cab->names()[0], std::wstring(260, L'n'));
    EXPECT_EQ(cab->records()[0].nameBytes, 261u);
}

TEST_F(CabTest, NameCutByTheEndOfTheFile) {
    CabFileLayout f = file("short");
    f.terminate = false;
    CabLayout layout = withFiles({f});
    layout.tail = 0;
    EXPECT_THAT(read(layout)->names(), ElementsAre(L"short"));
}

TEST_F(CabTest, FileCountBeyondTheEntriesEndsWithAShortRead) {
    CabLayout layout = withFiles({file("a"), file("b")});
    layout.fileCount = 65535;
    auto cab = read(layout);
    EXPECT_EQ(cab->errorText(), L"Read Error = 38 at CFFILE");
    // Names read before the failure are kept.
    EXPECT_GE(cab->names().size(), 2u);
    EXPECT_LT(cab->names().size(), 65535u);
}

TEST_F(CabTest, FilesOffsetBeyondTheFile) {
    CabLayout layout = withFiles({file("a")});
    layout.coffFiles = 0x7FFFFFFF;
    EXPECT_EQ(read(layout)->errorText(), L"Read Error = 38 at CFFILE");
}

TEST_F(CabTest, FailuresCarryTheirLabels) {
    h.files.add(kPath, buildCab({})).readError = 30;
    EXPECT_EQ(CCabFileEnum(h.env, kPath, true).errorText(), L"Read Error = 30 at CFHEADER");
    CabLayout far = withFiles({file("a")});
    far.coffFiles = 200000; // outside the buffered window, so the seek reaches the file
    h.files.add(kPath, buildCab(far)).seekError = 87;
    EXPECT_EQ(CCabFileEnum(h.env, kPath, true).errorText(), L"Set Pointer Error code = 87 at CFFILE");
    h.files.add(kPath, buildCab({})).openError = win32_error::kSharingViolation;
    EXPECT_EQ(CCabFileEnum(h.env, kPath, true).errorText(), kPath + L"\nアーカイブファイル使用中");
}

TEST_F(CabTest, MissingFileIsEmptyWithoutError) {
    CCabFileEnum cab(h.env, L"C:\\none.cab", true);
    EXPECT_EQ(cab.errorText(), L"");
    EXPECT_TRUE(cab.names().empty());
}

TEST_F(CabTest, HeaderIsKeptAsRead) {
    auto cab = read(withFiles({file("a")}));
    EXPECT_EQ(cab->header()[0], 'M');
    EXPECT_EQ(cab->header()[cab::header::kCFiles], 1);
    EXPECT_TRUE(cab->sorted());
}

} // namespace
} // namespace pvn
