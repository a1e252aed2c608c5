#include "tray/preview/CZipFileEnum.h"

#include "tray/preview/LittleEndian.h"
#include "tray/preview/tests/ArchiveBytes.h"
#include "tray/preview/tests/PreviewHarness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pvn {
namespace {

using test::buildZip;
using test::ZipEntryLayout;
using test::ZipLayout;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::wstring kPath = L"C:\\a.zip";

class ZipTest : public ::testing::Test {
protected:
    std::unique_ptr<CZipFileEnum> read(const ZipLayout& layout) { return readBytes(buildZip(layout)); }
    std::unique_ptr<CZipFileEnum> readBytes(std::vector<std::uint8_t> bytes) {
        h.files.add(kPath, std::move(bytes));
        return std::make_unique<CZipFileEnum>(h.env, kPath, true);
    }
    static std::vector<std::wstring> listed(CZipFileEnum& zip) {
        std::vector<std::wstring> out;
        EXPECT_TRUE(zip.listEntries(out));
        return out;
    }
    test::PreviewHarness h;
};

ZipLayout withEntries(std::vector<ZipEntryLayout> entries) {
    ZipLayout layout;
    layout.entries = std::move(entries);
    return layout;
}

ZipEntryLayout entry(std::string name, std::string data = "x") {
    ZipEntryLayout e;
    e.name = std::move(name);
    e.data = std::move(data);
    return e;
}

// --- end records ---

TEST_F(ZipTest, EmptyArchiveHasNoEntriesAndNoError) {
    auto zip = read({});
    EXPECT_EQ(zip->errorText(), L"");
    EXPECT_EQ(zip->entryCount(), 0u);
    EXPECT_THAT(listed(*zip), IsEmpty());
}

TEST_F(ZipTest, FileWithoutEndRecordOrShorterThanItHasNone) {
    EXPECT_EQ(readBytes(std::vector<std::uint8_t>(100, 'a'))->errorText(), L"EndOfCentralDir 署名を見つけられません");
    // A signature in the last 21 bytes leaves no room for the record.
    EXPECT_EQ(readBytes({'P', 'K', 5, 6, 0, 0, 0, 0, 0, 0})->errorText(), L"EndOfCentralDir 署名を見つけられません");
    EXPECT_EQ(readBytes({})->errorText(), L"EndOfCentralDir 署名を見つけられません");
}

TEST_F(ZipTest, EndRecordAloneInExactly22Bytes) {
    auto bytes = buildZip({});
    ASSERT_EQ(bytes.size(), 22u);
    EXPECT_EQ(readBytes(bytes)->errorText(), L"");
}

TEST_F(ZipTest, ArchiveCommentIsKeptAndMustFit) {
    ZipLayout layout;
    layout.entries = {entry("a")};
    layout.comment = "hello";
    auto zip = read(layout);
    ASSERT_EQ(zip->errorText(), L"");
    auto block = zip->data().block(zip->archiveComment());
    EXPECT_EQ(std::string(block.begin(), block.end()), "hello");

    layout.commentLength = 6;
    EXPECT_EQ(read(layout)->errorText(), L"コメント領域不十分");
}

TEST_F(ZipTest, LongestCommentPutsTheEndRecordAtTheStartOfTheWindow) {
    ZipLayout layout;
    layout.entries = {entry("a")};
    layout.comment = std::string(65535, 'c');
    auto zip = read(layout);
    EXPECT_EQ(zip->errorText(), L"");
    EXPECT_THAT(zip->names(), ElementsAre(L"a"));
}

// Structural errors: each case changes a sound archive and names the message it must end with.
struct ErrorCase {
    const char* what;
    void (*change)(ZipLayout&);
    const wchar_t* error;
};

const ErrorCase kErrorCases[] = {
    {"comment longer than what follows", [](ZipLayout& s) { s.comment = "c", s.commentLength = 6; },
     L"コメント領域不十分"},
    {"the last end record is taken: one inside the comment points at a local header",
     [](ZipLayout& s) {
         ZipLayout inner;
         inner.entryCount = 3;
         auto fake = buildZip(inner);
         s.comment.assign(fake.begin(), fake.end());
     },
     L"CentralDir 署名を見つけられません index = 0"},
    {"ZIP64 locator signature", [](ZipLayout& s) { s.zip64 = s.badLocatorSignature = true; },
     L"Z64EndOfCentralDirLoc 署名を見つけられません"},
    {"ZIP64 end record signature", [](ZipLayout& s) { s.zip64 = s.badZip64Signature = true; },
     L"Z64EndOfCentralDir 署名を見つけられません"},
    {"ZIP64 extensible data larger than the file, not allocated",
     [](ZipLayout& s) { s.zip64 = true, s.zip64RecordSize = 0xFFFFFFFFFFFFull; }, L"Z64ExtendData サイズ不正"},
    {"ZIP64 extensible data larger than what follows its record",
     [](ZipLayout& s) { s.zip64 = true, s.zip64RecordSize = 44 + 200; }, L"Z64ExtendData サイズ不正"},
    {"count beyond the directory", [](ZipLayout& s) { s.entryCount = 5; }, L"Read Error = 38 at CentralDir"},
    {"bad central signature", [](ZipLayout& s) { s.entries[1].badCentralSignature = true; },
     L"CentralDir 署名を見つけられません index = 1"},
    {"ZIP64 extra shorter than the fields not set",
     [](ZipLayout& s) {
         s.entries[0].uncompressed32 = s.entries[0].compressed32 = 0xFFFFFFFF;
         s.entries[0].centralExtra = test::zip64Extra({1});
     },
     L"ExtraField サイズデータ(HeaderID:0x0001)不足"},
    {"offset not set and no ZIP64 extra: looked for there", [](ZipLayout& s) { s.entries[0].offset32 = 0xFFFFFFFF; },
     L"Read Error = 38 at LocalHeader"},
    {"NTFS times of the wrong size",
     [](ZipLayout& s) { s.entries[0].centralExtra = test::extraBlock(0x000a, std::string(28, '\0')); },
     L"ExtraField 日時データ(HeaderID:0x000a)不整合"},
    {"extra field ending in a partial header",
     [](ZipLayout& s) { s.entries[0].centralExtra = test::extraBlock(0x7875, "abc") + "\x01\x02\x03"; },
     L"ExtraField ヘッダー不足"},
    {"extra block larger than the field",
     [](ZipLayout& s) { s.entries[0].centralExtra = test::extraBlock(0x1234, "abcd").substr(0, 6); },
     L"ExtraField データサイズ(HeaderID:0x1234)不整合"},
    {"bad local signature: its position in sorted order",
     [](ZipLayout& s) { s.entries[1].badLocalSignature = true; }, L"LocalHeader 署名を見つけられません index = 2"},
    {"data descriptor beyond the file",
     [](ZipLayout& s) { s.entries[0].descriptor = true, s.entries[0].compressed32 = 0x7FFFFFF0; },
     L"Read Error = 38 at DataDescriptor"},
    {"duplicate: position among the names inserted before it",
     [](ZipLayout& s) { s.entries = {entry("c"), entry("c"), entry("a"), entry("b")}; },
     L"重複したファイル名 c index1, 2 = 0 1"},
    {"duplicate after others", [](ZipLayout& s) { s.entries = {entry("a"), entry("d"), entry("b"), entry("d")}; },
     L"重複したファイル名 d index1, 2 = 2 3"},
    {"the last duplicate's message stays",
     [](ZipLayout& s) { s.entries = {entry("p"), entry("p"), entry("q"), entry("q")}; },
     L"重複したファイル名 q index1, 2 = 1 3"},
    {"a failure after a duplicate replaces its message",
     [](ZipLayout& s) { s.entries = {entry("p"), entry("p")}, s.entryCount = 3; }, L"Read Error = 38 at CentralDir"},
};

TEST_F(ZipTest, StructuralErrors) {
    for (const ErrorCase& c : kErrorCases) {
        SCOPED_TRACE(c.what);
        ZipLayout layout = withEntries({entry("m"), entry("z"), entry("a")});
        c.change(layout);
        EXPECT_EQ(read(layout)->errorText(), c.error);
    }
}

// --- ZIP64 end records ---

TEST_F(ZipTest, Zip64EndRecordGivesCountOffsetAndExtensibleData) {
    ZipLayout layout;
    layout.entries = {entry("b"), entry("a")};
    layout.zip64 = true;
    layout.zip64Extensible = "EXT";
    auto zip = read(layout);
    ASSERT_EQ(zip->errorText(), L"");
    EXPECT_TRUE(zip->zip64());
    EXPECT_EQ(zip->entryCount(), 2u);
    EXPECT_THAT(zip->names(), ElementsAre(L"a", L"b"));
    auto ext = zip->data().block(zip->zip64ExtensibleData());
    EXPECT_EQ(std::string(ext.begin(), ext.end()), "EXT");
}

TEST_F(ZipTest, SaturatedCountWithATrueOffsetStillTakesTheZip64Record) {
    ZipLayout layout;
    layout.entries = {entry("c"), entry("b"), entry("a")};
    layout.zip64 = true;
    layout.zip64KeepsOffset = true;
    auto zip = read(layout);
    ASSERT_EQ(zip->errorText(), L"");
    EXPECT_TRUE(zip->zip64());
    EXPECT_EQ(zip->entryCount(), 3u);
    EXPECT_THAT(zip->names(), ElementsAre(L"a", L"b", L"c"));
}

TEST_F(ZipTest, SaturatedCountWithoutZip64RecordKeepsThe32BitValues) {
    ZipLayout layout;
    layout.entries = {entry("a")};
    layout.entryCount = 0xFFFF;
    auto zip = read(layout);
    EXPECT_FALSE(zip->zip64());
    EXPECT_EQ(zip->entryCount(), 0xFFFFu);
    // No ZIP64 complaint: the walk goes on past the one entry and runs out of file.
    EXPECT_EQ(zip->errorText(), L"Read Error = 38 at CentralDir");
}

TEST_F(ZipTest, Zip64PointerBeforeTheFileStartFailsItsSeek) {
    test::Bytes b;
    test::put32(b, 0x06054b50);
    test::put16(b, 0);
    test::put16(b, 0);
    test::put16(b, 0);
    test::put16(b, 0);
    test::put32(b, 0);
    test::put32(b, 0xFFFFFFFF);
    test::put16(b, 0);
    EXPECT_EQ(readBytes(b)->errorText(), L"Set Pointer Error code = 131 at Z64EndOfCentralDirLoc");
}

TEST_F(ZipTest, FourBillionEntriesInATinyFileEndWithTheFailedRead) {
    ZipLayout layout;
    layout.entries = {entry("a")};
    layout.zip64 = true;
    layout.entryCount = 0xFFFFFFFFull;
    layout.dirSize = 0xFFFFFFFFFFFFull;
    auto bytes = buildZip(layout);
    ASSERT_LT(bytes.size(), 200u);
    auto zip = readBytes(bytes);
    // The directory walk runs into the ZIP64 end record.
    EXPECT_EQ(zip->errorText(), L"CentralDir 署名を見つけられません index = 1");
    EXPECT_EQ(zip->entryCount(), 0xFFFFFFFFu);
    EXPECT_THAT(zip->names(), ElementsAre(L"a"));

    layout.dirOffset = bytes.size() - 30;
    EXPECT_EQ(read(layout)->errorText(), L"Read Error = 38 at CentralDir");
}

TEST_F(ZipTest, Zip64CountIsTheLow32Bits) {
    ZipLayout layout;
    layout.entries = {entry("a")};
    layout.zip64 = true;
    layout.entryCount = 0x100000001ull;
    auto zip = read(layout);
    EXPECT_EQ(zip->entryCount(), 1u);
    EXPECT_EQ(zip->errorText(), L"");
}

// --- central directory ---

TEST_F(ZipTest, NamesAreSortedAndSlashesShownAsBackslashes) {
    ZipLayout layout;
    layout.entries = {entry("b.txt"), entry("a/", ""), entry("a/c.txt")};
    auto zip = read(layout);
    ASSERT_EQ(zip->errorText(), L"");
    EXPECT_THAT(listed(*zip), ElementsAre(L"a\\", L"a\\c.txt", L"b.txt"));
    EXPECT_THAT(zip->names(), ElementsAre(L"a/", L"a/c.txt", L"b.txt"));
    // Records stay at their names' positions.
    EXPECT_EQ(zip->records()[2].localHeaderOffset, 0u);
    EXPECT_TRUE(zip->sorted());
}

TEST_F(ZipTest, ListingShowsTheBusyCursorAndStopsAtTheLimit) {
    ZipLayout layout;
    layout.entries = {entry("c"), entry("b"), entry("a")};
    auto zip = read(layout);
    std::vector<std::wstring> out;
    EXPECT_TRUE(zip->listEntries(out, 2));
    EXPECT_THAT(out, ElementsAre(L"a", L"b"));
    EXPECT_THAT(h.ui.cursors, ElementsAre(ArcCursor::Busy1, ArcCursor::Arrow));
    EXPECT_FALSE(zip->busy());
    EXPECT_FALSE(zip->canExtractItem());
    EXPECT_FALSE(zip->canExtractAll());
}

TEST_F(ZipTest, NamesAreDecodedByTheirUtf8Flag) {
    ZipLayout layout;
    ZipEntryLayout sjis = entry(test::kSjisNihongo + ".txt");
    ZipEntryLayout utf8 = entry(test::kUtf8Nihongo + "/");
    utf8.flags = 0x0800;
    layout.entries = {sjis, utf8};
    auto zip = read(layout);
    ASSERT_EQ(zip->errorText(), L"");
    EXPECT_THAT(zip->names(), ElementsAre(L"日本語.txt", L"日本語/"));
}

TEST_F(ZipTest, EmptyNamesAreNamesToo) {
    ZipLayout layout;
    layout.entries = {entry(""), entry("a"), entry("")};
    auto zip = read(layout);
    EXPECT_EQ(zip->errorText(), L"重複したファイル名  index1, 2 = 0 2");
    EXPECT_THAT(zip->names(), ElementsAre(L"", L"a"));
}

TEST_F(ZipTest, NameEndsAtItsFirstZeroByte) {
    ZipLayout layout;
    layout.entries = {entry(std::string("ab\0cd", 5))};
    EXPECT_THAT(read(layout)->names(), ElementsAre(L"ab"));
}

TEST_F(ZipTest, BadCentralSignatureStopsWithItsIndexAndKeepsEarlierEntries) {
    ZipLayout layout;
    layout.entries = {entry("z"), entry("y")};
    layout.entries[1].badCentralSignature = true;
    auto zip = read(layout);
    EXPECT_EQ(zip->errorText(), L"CentralDir 署名を見つけられません index = 1");
    EXPECT_THAT(zip->names(), ElementsAre(L"z"));
}

TEST_F(ZipTest, NameLongerThanWhatFollowsIsAShortRead) {
    auto bytes = buildZip(withEntries({entry("name")}));
    const std::size_t central = 30 + 4 + 1;
    bytes[central + 28] = 0xFF; // name length 255: more than the rest of the file
    EXPECT_EQ(readBytes(bytes)->errorText(), L"Read Error = 38 at FileName");
}

// --- duplicates ---

TEST_F(ZipTest, DuplicateNameIsSkippedWithItsPositions) {
    ZipLayout layout;
    layout.entries = {entry("x"), entry("y"), entry("x")};
    auto zip = read(layout);
    EXPECT_EQ(zip->errorText(), L"重複したファイル名 x index1, 2 = 0 2");
    EXPECT_THAT(zip->names(), ElementsAre(L"x", L"y"));
    EXPECT_EQ(zip->records()[0].localHeaderOffset, 0u); // the first one stays
}

TEST_F(ZipTest, DuplicatesStillAddTheirExtraFieldsAndComments) {
    ZipLayout layout;
    ZipEntryLayout a = entry("a");
    a.comment = "one";
    ZipEntryLayout b = entry("a");
    b.comment = "two";
    layout.entries = {a, b};
    auto zip = read(layout);
    EXPECT_EQ(zip->data().count(), 2u);
    auto first = zip->data().block(zip->records()[0].comment);
    EXPECT_EQ(std::string(first.begin(), first.end()), "one");
}

// --- extra fields ---

TEST_F(ZipTest, Zip64ExtraReplacesTheFieldsThatAreNotSet) {
    ZipLayout layout;
    ZipEntryLayout e = entry("big");
    e.uncompressed32 = 0xFFFFFFFF;
    e.compressed32 = 0xFFFFFFFF;
    e.centralExtra = test::zip64Extra({0x123456789ull, 0x1ull});
    layout.entries = {e};
    auto zip = read(layout);
    ASSERT_EQ(zip->errorText(), L"");
    EXPECT_EQ(zip->records()[0].uncompressedSize, 0x123456789ull);
    EXPECT_EQ(zip->records()[0].compressedSize, 1u);
    EXPECT_EQ(zip->records()[0].localHeaderOffset, 0u);
}

TEST_F(ZipTest, Zip64ExtraGivesTheLocalHeaderOffset) {
    ZipLayout layout;
    ZipEntryLayout first = entry("first");
    ZipEntryLayout second = entry("second");
    second.offset32 = 0xFFFFFFFF;
    second.centralExtra = test::zip64Extra({0}); // wrong offset: the first entry's local header
    layout.entries = {first, second};
    auto zip = read(layout);
    ASSERT_EQ(zip->errorText(), L"");
    EXPECT_EQ(zip->records()[1].localHeaderOffset, 0u);

    layout.entries[1].centralExtra = test::zip64Extra({~0ull});
    EXPECT_EQ(read(layout)->errorText(), L"second\nOffset が定義されていません");
}

TEST_F(ZipTest, NtfsTimesAreCopiedAndTheirSizeChecked) {
    ZipLayout layout;
    ZipEntryLayout e = entry("t");
    e.centralExtra = test::extraBlock(0x5455, "\x01\x02\x03\x04\x05") + test::ntfsExtra(11, 22, 33);
    layout.entries = {e};
    auto zip = read(layout);
    ASSERT_EQ(zip->errorText(), L"");
    const ZipEntryRecord& r = zip->records()[0];
    EXPECT_EQ(r.modified, 11u);
    EXPECT_EQ(r.accessed, 22u);
    EXPECT_EQ(r.created, 33u);
    auto kept = zip->data().block(r.centralExtra);
    EXPECT_EQ(kept.size(), e.centralExtra.size());

    layout.entries[0].centralExtra = test::extraBlock(0x000a, std::string(28, '\0'));
    EXPECT_EQ(read(layout)->errorText(), L"ExtraField 日時データ(HeaderID:0x000a)不整合");
}

TEST_F(ZipTest, FileCommentIsKept) {
    ZipLayout layout;
    ZipEntryLayout e = entry("c");
    e.comment = "note";
    layout.entries = {e};
    auto zip = read(layout);
    auto block = zip->data().block(zip->records()[0].comment);
    EXPECT_EQ(std::string(block.begin(), block.end()), "note");
}

// --- local headers ---

TEST_F(ZipTest, LocalPassStopsAtTheFirstFailureInSortedOrder) {
    ZipLayout layout;
    ZipEntryLayout b = entry("b");
    b.badLocalSignature = true;
    ZipEntryLayout a = entry("a");
    a.localExtra = test::extraBlock(0x000a, std::string(5, '\0')); // fails its parse
    layout.entries = {b, a};
    auto zip = read(layout);
    EXPECT_EQ(zip->errorText(), L"ExtraField 日時データ(HeaderID:0x000a)不整合");
    // "a" kept its local extra field before failing; "b" was never reached.
    EXPECT_GE(zip->records()[0].localExtra, 0);
}

TEST_F(ZipTest, DataDescriptorWithAndWithoutSignature) {
    for (bool signature : {true, false}) {
        ZipLayout layout;
        ZipEntryLayout e = entry("d", "payload");
        e.descriptor = true;
        e.descriptorSignature = signature;
        layout.entries = {e};
        auto zip = read(layout);
        EXPECT_EQ(zip->errorText(), L"") << signature;
        EXPECT_EQ(zip->records()[0].flags() & 0x0008, 0) << "bit 3 is cleared";
    }
}

TEST_F(ZipTest, Zip64DescriptorIsTwentyBytes) {
    ZipLayout layout;
    ZipEntryLayout e = entry("d", "payload");
    e.descriptor = true;
    e.descriptorSignature = false;
    e.descriptor64 = true;
    layout.entries = {e};
    layout.zip64 = true;
    EXPECT_EQ(read(layout)->errorText(), L"");

    // Without the ZIP64 end record, a descriptor counts 12 bytes whatever it holds.
    layout.zip64 = false;
    EXPECT_EQ(read(layout)->errorText(), L"");
}

TEST_F(ZipTest, LocalExtraIsKeptAndParsed) {
    ZipLayout layout;
    ZipEntryLayout e = entry("l", "12345");
    e.uncompressed32 = 0xFFFFFFFF;
    e.centralExtra = test::zip64Extra({5});
    e.localExtra = test::zip64Extra({0x500000000ull, 5});
    layout.entries = {e};
    auto zip = read(layout);
    ASSERT_EQ(zip->errorText(), L"");
    const ZipEntryRecord& r = zip->records()[0];
    EXPECT_EQ(r.uncompressedSize, 0x500000000ull);
    auto local = zip->data().block(r.localExtra);
    EXPECT_EQ(local.size(), e.localExtra.size());
}

TEST_F(ZipTest, EntriesSharingOneLocalExtraCannotMultiplyIt) {
    // Many central entries point at one local header with a large extra field.
    ZipLayout layout;
    ZipEntryLayout base = entry("0", "");
    base.localExtra = test::extraBlock(0x9999, std::string(60000, 'e'));
    layout.entries = {base};
    for (int i = 1; i < 40; ++i) {
        ZipEntryLayout e = entry(std::to_string(100 + i), "");
        e.offset32 = 0;
        e.badLocalSignature = false;
        layout.entries.push_back(e);
    }
    auto zip = read(layout);
    EXPECT_THAT(zip->errorText(), ::testing::StartsWith(L"ExtraField 領域が他のエントリーと重なっています"));
    std::size_t kept = 0;
    for (std::size_t i = 0; i < zip->data().count(); ++i)
        kept += zip->data().block(static_cast<int>(i)).size();
    EXPECT_LE(kept, 2 * 60004u + 40 * 1024);
}

// --- the file itself ---

TEST_F(ZipTest, MissingFileIsAnEmptyListingWithoutError) {
    CZipFileEnum zip(h.env, L"C:\\missing.zip", true);
    EXPECT_EQ(zip.errorText(), L"");
    EXPECT_EQ(zip.entryCount(), 0u);
    EXPECT_THAT(h.ui.messages, IsEmpty());
}

TEST_F(ZipTest, OpenFailuresHaveTheirTwoMessages) {
    h.files.add(kPath, buildZip({})).openError = win32_error::kSharingViolation;
    EXPECT_EQ(CZipFileEnum(h.env, kPath, true).errorText(), kPath + L"\nアーカイブファイル使用中");
    h.files.add(kPath, buildZip({})).openError = win32_error::kAccessDenied;
    EXPECT_EQ(CZipFileEnum(h.env, kPath, true).errorText(), L"OpenArc Error = 5");
}

TEST_F(ZipTest, ReadAndSeekFailuresCarryTheirLabels) {
    h.files.add(kPath, buildZip({})).readError = 23;
    EXPECT_EQ(CZipFileEnum(h.env, kPath, true).errorText(), L"Read Error = 23 at EndOfCentralDir");
    h.files.add(kPath, buildZip({})).seekError = 87;
    EXPECT_EQ(CZipFileEnum(h.env, kPath, true).errorText(), L"Set Pointer Error code = 87 at EndOfCentralDir");
}

TEST_F(ZipTest, ReaderOpensForRandomAccess) {
    read({});
    EXPECT_THAT(h.files.hints, ElementsAre(AccessHint::RandomAccess));
}

TEST_F(ZipTest, DestructionShowsTheErrorTextOnce) {
    readBytes(std::vector<std::uint8_t>(30, 0)).reset();
    EXPECT_THAT(h.ui.messages, ElementsAre(L"EndOfCentralDir 署名を見つけられません"));
    h.ui.messages.clear();
    read(withEntries({entry("a")})).reset();
    EXPECT_THAT(h.ui.messages, IsEmpty());
}

TEST_F(ZipTest, PrefixedDataDoesNotHideTheEndRecord) {
    ZipLayout layout;
    layout.prefix = std::string(70000, 'p');
    layout.entries = {entry("a")};
    auto zip = read(layout);
    EXPECT_EQ(zip->errorText(), L"");
    EXPECT_EQ(zip->centralDirOffset(), 70000u + 30 + 1 + 1);
}

} // namespace
} // namespace pvn
