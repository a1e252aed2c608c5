#include "tray/preview/BitmapReader.h"
#include "tray/preview/MemoryByteSource.h"
#include "tray/preview/tests/BitmapBytes.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

using test::BitmapShape;
using test::makeBitmap;
using test::put;

std::optional<Picture> read(const std::vector<std::uint8_t>& file, std::uint32_t box = 500) {
    MemoryByteSource source(file);
    CollectingPreviewUi ui;
    return readBitmap(source, ui, box, box);
}

std::uint32_t pixelAt(const Picture& p, std::size_t stride, std::size_t bytes, std::size_t x,
                      std::size_t row) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        v |= std::uint32_t{p.bits[row * stride + x * bytes + i]} << (8 * i);
    return v;
}

// Records where it was asked to read, to show which rows a reduced read touches.
class SpySource final : public IByteSource {
public:
    explicit SpySource(const std::vector<std::uint8_t>& bytes) : m_inner(bytes) {}
    std::uint32_t read(void* b, std::size_t n, std::size_t& got) override {
        bytesRead += n;
        return m_inner.read(b, n, got);
    }
    std::uint32_t seek(std::int64_t o) override {
        seeks.push_back(o);
        return failSeeksFrom >= 0 && o >= failSeeksFrom ? win32_error::kInvalidParameter : m_inner.seek(o);
    }
    std::uint32_t size(std::uint64_t& out) override { return m_inner.size(out); }
    std::vector<std::int64_t> seeks;
    std::size_t bytesRead = 0;
    std::int64_t failSeeksFrom = -1;

private:
    MemoryByteSource m_inner;
};

TEST(BitmapReaderTest, ReadsA24BitPictureWholeWithItsCaption) {
    BitmapShape s;
    s.width = 5;
    s.height = 3;
    s.pixel = [](std::int32_t x, std::int32_t row) { return static_cast<std::uint32_t>(row * 16 + x); };
    const auto p = read(makeBitmap(s));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->caption, L"3x5(24bit)");
    EXPECT_EQ(p->width, 5);
    EXPECT_EQ(p->height, 3);
    const auto h = DibHeader::parse(p->info);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->width, 5);
    EXPECT_EQ(h->height, 3);
    EXPECT_EQ(p->info.size(), 40u);
    ASSERT_EQ(p->bits.size(), 16u * 3);
    EXPECT_EQ(pixelAt(*p, 16, 3, 4, 2), 0x24u);
}

TEST(BitmapReaderTest, TopDownRowsComeOutBottomUp) {
    BitmapShape s;
    s.height = -3;
    s.pixel = [](std::int32_t, std::int32_t row) { return static_cast<std::uint32_t>(row + 1); };
    const auto p = read(makeBitmap(s));
    ASSERT_TRUE(p);
    EXPECT_EQ(DibHeader::parse(p->info)->height, 3);
    EXPECT_EQ(pixelAt(*p, 12, 3, 0, 0), 3u); // the last stored row is the bottom one
    EXPECT_EQ(pixelAt(*p, 12, 3, 0, 2), 1u);
    EXPECT_EQ(p->caption, L"3x4(24bit)");
}

TEST(BitmapReaderTest, PixelsAreReadFromTheirOffsetNotAfterTheTable) {
    BitmapShape s;
    s.bitCount = 8;
    s.tableEntries = 4;
    s.clrUsed = 4;
    s.gap = 9;
    s.pixel = [](std::int32_t x, std::int32_t) { return static_cast<std::uint32_t>(x + 1); };
    const auto p = read(makeBitmap(s));
    ASSERT_TRUE(p);
    ASSERT_EQ(p->info.size(), 40u + 16);
    EXPECT_EQ(DibHeader::parse(p->info)->clrUsed, 4u);
    EXPECT_EQ(p->info[40 + 4 * 3], 3); // the last colour
    EXPECT_EQ(p->bits[0], 1);
    EXPECT_EQ(p->bits.size(), 4u * 3);
}

TEST(BitmapReaderTest, ColourCountsAreBoundedByTheDepth) {
    // A 24-bit file claiming four billion colours: no table at all.
    BitmapShape wide;
    wide.clrUsed = 0xFFFFFFFF;
    const auto p = read(makeBitmap(wide));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->info.size(), 40u);
    // An 8-bit one claiming more than 256: the full table of 256.
    BitmapShape eight;
    eight.bitCount = 8;
    eight.clrUsed = 0x10000;
    eight.tableEntries = 256;
    const auto q = read(makeBitmap(eight));
    ASSERT_TRUE(q);
    EXPECT_EQ(q->info.size(), 40u + 1024);
}

TEST(BitmapReaderTest, SixteenBitsHaveNoTableAndBitFieldsKeepTheirMasks) {
    BitmapShape plain;
    plain.bitCount = 16;
    const auto p = read(makeBitmap(plain));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->info.size(), 40u);
    BitmapShape fields;
    fields.bitCount = 16;
    fields.compression = 3;
    fields.pixel = [](std::int32_t, std::int32_t) { return 0xF800u; };
    const auto q = read(makeBitmap(fields));
    ASSERT_TRUE(q);
    ASSERT_EQ(q->info.size(), 52u);
    EXPECT_EQ(DibHeader::parse(q->info)->compression, 3u);
    EXPECT_EQ(q->info[41], 0xF8);
    EXPECT_EQ(pixelAt(*q, 8, 2, 1, 1), 0xF800u);
}

struct Refusal {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> spoil;
};

class BitmapRefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(BitmapRefusalTest, GoesOnToTheNextSource) {
    BitmapShape s;
    s.bitCount = 8;
    s.tableEntries = 256;
    auto file = makeBitmap(s);
    GetParam().spoil(file);
    MemoryByteSource source(file);
    EXPECT_FALSE(inspectBitmap(source));
    EXPECT_FALSE(read(file));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, BitmapRefusalTest,
    testing::Values(Refusal{"NotBM", [](auto& f) { f[1] = 'A'; }},
                    Refusal{"RunLength", [](auto& f) { put(f, 30, 1, 4); }},
                    Refusal{"BitFieldsAt8Bits", [](auto& f) { put(f, 30, 3, 4); }},
                    Refusal{"OddDepth", [](auto& f) { put(f, 28, 7, 2); }},
                    Refusal{"ZeroWidth", [](auto& f) { put(f, 18, 0, 4); }},
                    Refusal{"ZeroHeight", [](auto& f) { put(f, 22, 0, 4); }},
                    Refusal{"LowestHeight", [](auto& f) { put(f, 22, 0x80000000u, 4); }},
                    Refusal{"ShortInfoHeader", [](auto& f) { put(f, 14, 12, 4); }},
                    Refusal{"HugeInfoHeader", [](auto& f) { put(f, 14, 0xFFFFFFF0u, 4); }},
                    Refusal{"SizeBeyondFile", [](auto& f) { put(f, 2, f.size() + 1, 4); }},
                    Refusal{"PixelsBeyondFile", [](auto& f) { put(f, 10, f.size() - 1, 4); }},
                    Refusal{"OffsetInsideHeader", [](auto& f) { put(f, 10, 20, 4); }},
                    Refusal{"RowsBeyondFile", [](auto& f) { put(f, 22, 4, 4); }},
                    Refusal{"WidthBeyondFile", [](auto& f) { put(f, 18, 0x7FFFFFFF, 4); }},
                    Refusal{"Truncated", [](auto& f) { f.resize(50); }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(BitmapReaderTest, LargePicturesReadOneRowInG) {
    // 31 × 13 into a 10 × 4 box: G = 3, 11 × 5 out, starting at column 0 and row 0 (31 mod 3 = 1).
    BitmapShape s;
    s.width = 31;
    s.height = 13;
    s.pixel = [](std::int32_t x, std::int32_t row) { return static_cast<std::uint32_t>(row << 8 | x); };
    const auto file = makeBitmap(s);
    SpySource source(file);
    CollectingPreviewUi ui;
    const auto p = readBitmap(source, ui, 10, 4);
    ASSERT_TRUE(p);
    const auto h = DibHeader::parse(p->info);
    EXPECT_EQ(h->width, 11);
    EXPECT_EQ(h->height, 5);
    EXPECT_EQ(h->sizeImage, 36u * 5);
    EXPECT_EQ(p->width, 31); // scaling uses the file's size
    EXPECT_EQ(p->caption, L"13x31(24bit)");
    const std::size_t stride = 36;
    for (std::size_t k = 0; k < 5; ++k)
        for (std::size_t i = 0; i < 11; ++i)
            ASSERT_EQ(pixelAt(*p, stride, 3, i, k), (k * 3) << 8 | (i * 3)) << k << "," << i;
    // Header, then one row each.
    EXPECT_EQ(source.bytesRead, 54u + 5 * 96);
}

TEST(BitmapReaderTest, ReducedTopDownAndCentredSamples) {
    // 12 × 12 top-down into 4 × 4: G = 3 divides evenly, so samples start at 1 (the middle of a group).
    BitmapShape s;
    s.width = 12;
    s.height = -12;
    s.pixel = [](std::int32_t x, std::int32_t row) {
        return static_cast<std::uint32_t>((11 - row) << 8 | x);
    };
    const auto p = read(makeBitmap(s), 4);
    ASSERT_TRUE(p);
    const auto h = DibHeader::parse(p->info);
    EXPECT_EQ(h->width, 4);
    EXPECT_EQ(h->height, 4);
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(pixelAt(*p, 12, 3, 2, k), (k * 3 + 1) << 8 | 7u);
}

TEST(BitmapReaderTest, LowDepthsAndSmallFactorsAreReadWhole) {
    BitmapShape s;
    s.width = 64;
    s.height = 40;
    s.bitCount = 1;
    s.tableEntries = 2;
    const auto p = read(makeBitmap(s), 10);
    ASSERT_TRUE(p);
    EXPECT_EQ(DibHeader::parse(p->info)->width, 64);
    EXPECT_EQ(p->bits.size(), 8u * 40);
    BitmapShape two;
    two.width = 20;
    two.height = 20;
    const auto q = read(makeBitmap(two), 10); // G = 2
    ASSERT_TRUE(q);
    EXPECT_EQ(DibHeader::parse(q->info)->width, 20);
}

TEST(BitmapReaderTest, AFailedSeekIsReportedAndNothingIsShown) {
    BitmapShape s;
    s.width = 30;
    s.height = 30;
    const auto file = makeBitmap(s);
    SpySource source(file);
    source.failSeeksFrom = 54 + 92 * 3;
    CollectingPreviewUi ui;
    EXPECT_FALSE(readBitmap(source, ui, 10, 10));
    ASSERT_EQ(ui.failures.size(), 1u);
    EXPECT_EQ(ui.failures[0], "SetFilePointer Error Code =87");
}

} // namespace
} // namespace pvn
