#include "tray/preview/ArchivePreview.h"

#include "tray/preview/tests/ArchiveBytes.h"
#include "tray/preview/tests/PreviewHarness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pvn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ArchivePreviewTest : public ::testing::Test {
protected:
    std::vector<std::wstring> run(const std::wstring& path, std::uint32_t limit = 10) {
        std::vector<std::wstring> lines{L"stale"};
        EXPECT_TRUE(archivePreview(h.env, path, limit, lines));
        return lines;
    }
    void addZip(const std::wstring& path, std::vector<std::string> names) {
        test::ZipLayout layout;
        for (auto& n : names) {
            test::ZipEntryLayout e;
            e.name = n;
            layout.entries.push_back(e);
        }
        h.files.add(path, test::buildZip(layout));
    }
    void addCab(const std::wstring& path, std::vector<std::string> names) {
        test::CabLayout layout;
        for (auto& n : names) {
            test::CabFileLayout f;
            f.name = n;
            layout.files.push_back(f);
        }
        h.files.add(path, test::buildCab(layout));
    }
    test::PreviewHarness h;
};

TEST_F(ArchivePreviewTest, ExtensionChoosesTheReader) {
    EXPECT_EQ(lowerExtension(L"C:\\x.d\\A.ZiP"), L"zip");
    EXPECT_EQ(lowerExtension(L"noext"), L"");
    std::vector<std::wstring> lines{L"kept"};
    EXPECT_FALSE(archivePreview(h.env, L"C:\\a.lzh", 10, lines));
    EXPECT_THAT(lines, ElementsAre(L"kept"));
    addZip(L"C:\\A.ZIP", {"z"});
    EXPECT_THAT(run(L"C:\\A.ZIP"), ElementsAre(L"z"));
    addCab(L"C:\\b.Cab", {"c"});
    EXPECT_THAT(run(L"C:\\b.Cab"), ElementsAre(L"c"));
}

TEST_F(ArchivePreviewTest, EmptyOrMissingArchive) {
    addZip(L"e.zip", {});
    EXPECT_THAT(run(L"e.zip"), ElementsAre(L"アーカイブ中身なし"));
    EXPECT_THAT(run(L"missing.zip"), ElementsAre(L"アーカイブ中身なし"));
    addCab(L"e.cab", {});
    EXPECT_THAT(run(L"e.cab"), ElementsAre(L"アーカイブ中身なし"));
    EXPECT_THAT(h.ui.messages, IsEmpty());
}

TEST_F(ArchivePreviewTest, LimitMarkerAfterTheLimitEvenWithNothingMore) {
    addZip(L"five.zip", {"1", "2", "3", "4", "5"});
    EXPECT_THAT(run(L"five.zip", 3), ElementsAre(L"1", L"2", L"3", L" ："));
    addZip(L"three.zip", {"1", "2", "3"});
    EXPECT_THAT(run(L"three.zip", 3), ElementsAre(L"1", L"2", L"3", L" ："));
    addZip(L"two.zip", {"1", "2"});
    EXPECT_THAT(run(L"two.zip", 3), ElementsAre(L"1", L"2"));
}

TEST_F(ArchivePreviewTest, FolderLinesCountAgainstTheLimit) {
    addCab(L"f.cab", {"d\\a", "b"});
    EXPECT_THAT(run(L"f.cab", 3), ElementsAre(L"b", L"d\\a", L"d\\", L" ："));
    EXPECT_THAT(run(L"f.cab", 2), ElementsAre(L"b", L"d\\a", L" ："));
}

TEST_F(ArchivePreviewTest, ErrorTextReplacesTheListingAndIsShownOnce) {
    h.files.add(L"bad.cab", {'X', 'Y', 'Z', 'W'});
    EXPECT_THAT(run(L"bad.cab"), ElementsAre(L"Read Error = 38 at CFHEADER"));
    EXPECT_THAT(h.ui.messages, ElementsAre(L"Read Error = 38 at CFHEADER"));

    h.ui.messages.clear();
    test::CabLayout layout;
    layout.signature = "ABCD";
    h.files.add(L"other.cab", test::buildCab(layout));
    EXPECT_THAT(run(L"other.cab"), ElementsAre(L"*.cab ファイルではありません"));
    EXPECT_THAT(h.ui.messages, ElementsAre(L"*.cab ファイルではありません"));

    h.ui.messages.clear();
    h.files.add(L"not.zip", std::vector<std::uint8_t>(64, 'q'));
    EXPECT_THAT(run(L"not.zip"), ElementsAre(L"EndOfCentralDir 署名を見つけられません"));
    EXPECT_THAT(h.ui.messages, ElementsAre(L"EndOfCentralDir 署名を見つけられません"));
}

TEST_F(ArchivePreviewTest, DuplicateMessageHidesTheListing) {
    addZip(L"dup.zip", {"a", "a"});
    EXPECT_THAT(run(L"dup.zip"), ElementsAre(L"重複したファイル名 a index1, 2 = 0 1"));
}

TEST_F(ArchivePreviewTest, WorkFolderIsLeftAlone) {
    addZip(L"w.zip", {"a"});
    run(L"w.zip");
    EXPECT_THAT(h.files.cleared, IsEmpty());
}

} // namespace
} // namespace pvn
