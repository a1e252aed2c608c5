#include "tray/preview/CArcFile.h"

#include "tray/preview/CDataList.h"
#include "tray/preview/SortedNames.h"
#include "tray/preview/WorkFolder.h"
#include "tray/preview/tests/PreviewHarness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pvn {
namespace {

using ::testing::ElementsAre;

// A reader that exposes the base's operations.
class ProbeArc final : public CArcFile {
public:
    using CArcFile::CArcFile;
    bool listEntries(std::vector<std::wstring>&, std::size_t) override { return true; }
    using CArcFile::cursor;
    using CArcFile::open;
    using CArcFile::read;
    using CArcFile::readExact;
    using CArcFile::seek;
};

TEST(CArcFileTest, ReadsAreLabelledAndShortReadsAcceptedOrNot) {
    test::PreviewHarness h;
    h.files.add(L"f", {1, 2, 3});
    ProbeArc arc(h.env, L"f", true);
    auto src = arc.open(AccessHint::RandomAccess);
    ASSERT_TRUE(src);
    std::uint8_t buf[8];
    std::size_t got = 0;
    EXPECT_TRUE(arc.read(*src, buf, 8, "Any", got));
    EXPECT_EQ(got, 3u);
    EXPECT_EQ(arc.errorText(), L"");
    EXPECT_TRUE(arc.seek(*src, 0, "Start"));
    EXPECT_FALSE(arc.readExact(*src, buf, 4, "Four"));
    EXPECT_EQ(arc.errorText(), L"Read Error = 38 at Four");
    EXPECT_FALSE(arc.seek(*src, -1, "Back"));
    EXPECT_EQ(arc.errorText(), L"Set Pointer Error code = 131 at Back");
}

TEST(CArcFileTest, CursorKindsSetTheBusyFlag) {
    test::PreviewHarness h;
    {
        ProbeArc arc(h.env, L"f", true);
        arc.cursor(ArcCursor::Busy2);
        EXPECT_TRUE(arc.busy());
        arc.cursor(ArcCursor::Arrow);
        EXPECT_FALSE(arc.busy());
        arc.cursor(ArcCursor::Busy1);
    }
    // A reader that goes away busy brings the arrow back.
    EXPECT_THAT(h.ui.cursors, ElementsAre(ArcCursor::Busy2, ArcCursor::Arrow, ArcCursor::Busy1, ArcCursor::Arrow));
}

TEST(CArcFileTest, WorkFolderIsClearedOnlyWhenAsked) {
    test::PreviewHarness h;
    ProbeArc keep(h.env, L"f", true);
    EXPECT_EQ(keep.workFolder(), L"T:\\tmp\\PVAWork");
    EXPECT_TRUE(h.files.cleared.empty());
    ProbeArc clear(h.env, L"f", false);
    EXPECT_THAT(h.files.cleared, ElementsAre(L"T:\\tmp\\PVAWork"));
}

TEST(CArcFileTest, WorkFolderGuardComparesThePrefixWithoutCase) {
    const ITextPlatform& t = textPlatform();
    EXPECT_TRUE(insideWorkFolder(t, L"C:\\Temp\\PVAWork\\x", L"C:\\Temp\\PVAWork"));
    EXPECT_TRUE(insideWorkFolder(t, L"c:\\temp\\pvawork\\x\\y", L"C:\\Temp\\PVAWork"));
    EXPECT_TRUE(insideWorkFolder(t, L"C:\\Temp\\PVAWork", L"C:\\Temp\\PVAWork"));
    EXPECT_FALSE(insideWorkFolder(t, L"C:\\Temp\\Other", L"C:\\Temp\\PVAWork"));
    EXPECT_FALSE(insideWorkFolder(t, L"C:\\Temp", L"C:\\Temp\\PVAWork"));
    EXPECT_FALSE(insideWorkFolder(t, L"C:\\x", L""));
}

TEST(CDataListTest, BlocksKeepTheirIndices) {
    CDataList list;
    EXPECT_EQ(list.add({1, 2}), 0);
    const char text[] = "abc";
    EXPECT_EQ(list.addCopy(text, 3), 1);
    for (int i = 0; i < 250; ++i)
        list.add({static_cast<std::uint8_t>(i)});
    EXPECT_EQ(list.count(), 252u);
    EXPECT_EQ(list.block(1).size(), 3u);
    EXPECT_EQ(list.block(1)[2], 'c');
    EXPECT_EQ(list.block(251)[0], 249);
    EXPECT_TRUE(list.block(-1).empty());
    EXPECT_TRUE(list.block(252).empty());
}

// Orders that are not strict weak orders must not make the sort run out of its arrays.
class CoinFlipPlatform final : public ITextPlatform {
public:
    std::wstring fromAnsi(std::string_view) const override { return {}; }
    std::string toAnsi(std::wstring_view) const override { return {}; }
    std::wstring fromUtf8(std::string_view) const override { return {}; }
    int compare(const std::wstring&, const std::wstring&) const override { return (m_state = m_state * 1103515245 + 12345) >> 16 & 1 ? -1 : 1; }
    int compareNoCase(const std::wstring& a, const std::wstring& b) const override { return compare(a, b); }

private:
    mutable unsigned m_state = 1;
};

TEST(SortedNamesTest, StableUnderTheComparator) {
    std::vector<std::wstring> names{L"b", L"a", L"b", L"c", L"a"};
    EXPECT_THAT(insertionOrder(textPlatform(), names), ElementsAre(1, 4, 0, 2, 3));
    EXPECT_TRUE(insertionOrder(textPlatform(), {}).empty());
}

TEST(SortedNamesTest, AnyComparatorGivesAPermutation) {
    std::vector<std::wstring> names(1000, L"x");
    auto order = insertionOrder(CoinFlipPlatform(), names);
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i)
        ASSERT_EQ(order[i], i);
}

} // namespace
} // namespace pvn
