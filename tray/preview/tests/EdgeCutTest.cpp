#include "tray/preview/EdgeCut.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

// A picture of `w` × `h` in `border` colour with a black or white block [x0, x1) × [y0, y1).
Picture framed(std::int32_t w, std::int32_t h, std::uint16_t bits, std::uint8_t border, int x0, int y0,
               int x1, int y1) {
    Picture p;
    DibHeader header;
    header.width = w;
    header.height = h;
    header.bitCount = bits;
    p.info = header.block();
    p.width = w * 10;
    p.height = h * 10;
    p.caption = L"c";
    const std::size_t stride = static_cast<std::size_t>(dibStride(w, bits));
    const std::size_t pixel = bits / 8;
    p.bits.assign(stride * static_cast<std::size_t>(h), border);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            for (std::size_t i = 0; i < 3; ++i)
                p.bits[y * stride + x * pixel + i] = static_cast<std::uint8_t>(255 - border);
    return p;
}

TEST(EdgeCutTest, AWhiteFrameIsCutToTheContentAndOnePixel) {
    for (std::uint16_t bits : {24, 32}) {
        Picture p = framed(10, 8, bits, kWhiteBorder, 4, 3, 6, 5);
        ASSERT_TRUE(edgeCut(p, kWhiteBorder));
        const auto h = DibHeader::parse(p.info);
        EXPECT_EQ(h->width, 4);
        EXPECT_EQ(h->height, 4);
        EXPECT_EQ(p.caption, L"c エッジカット");
        // The reported size shrinks in proportion.
        EXPECT_EQ(p.width, 40);
        EXPECT_EQ(p.height, 40);
        const std::size_t stride = static_cast<std::size_t>(dibStride(4, bits));
        ASSERT_EQ(p.bits.size(), stride * 4);
        const std::size_t px = bits / 8;
        for (std::size_t y = 0; y < 4; ++y)
            for (std::size_t x = 0; x < 4; ++x) {
                const bool inner = x >= 1 && x <= 2 && y >= 1 && y <= 2;
                EXPECT_EQ(p.bits[y * stride + x * px], inner ? 0 : 255) << bits << ":" << x << "," << y;
            }
    }
}

TEST(EdgeCutTest, ContentAtAnEdgeKeepsThatEdge) {
    Picture p = framed(6, 6, 24, kBlackBorder, 0, 2, 3, 6);
    ASSERT_TRUE(edgeCut(p, kBlackBorder, false));
    const auto h = DibHeader::parse(p.info);
    EXPECT_EQ(h->width, 4);  // columns 0..3
    EXPECT_EQ(h->height, 5); // rows 1..5
    EXPECT_EQ(p.caption, L"c");
    EXPECT_EQ(p.bits[0], 0); // row 1 is black border
    EXPECT_EQ(p.bits[12], 255);
}

TEST(EdgeCutTest, NothingChangesWithoutABorderOrContentOrAtOtherDepths) {
    struct Case {
        Picture picture;
        std::uint8_t border;
    };
    Case cases[] = {
        {framed(5, 5, 24, kWhiteBorder, 0, 0, 0, 0), kWhiteBorder}, // all white
        {framed(5, 5, 24, kWhiteBorder, 0, 0, 5, 5), kWhiteBorder}, // all content
        {framed(5, 5, 24, kWhiteBorder, 1, 1, 4, 4), kWhiteBorder}, // one-pixel frame already
        {framed(5, 1, 24, kWhiteBorder, 2, 0, 3, 1), kWhiteBorder}, // one row cannot shrink to first < last
        {framed(5, 5, 16, kWhiteBorder, 2, 2, 3, 3), kWhiteBorder}, // 16 bits
    };
    for (Case& c : cases) {
        const Picture before = c.picture;
        EXPECT_FALSE(edgeCut(c.picture, c.border));
        EXPECT_EQ(c.picture.bits, before.bits);
        EXPECT_EQ(c.picture.info, before.info);
        EXPECT_EQ(c.picture.caption, L"c");
    }
}

TEST(EdgeCutTest, ShortPixelBuffersAreLeftAlone) {
    Picture p = framed(10, 8, 24, kWhiteBorder, 4, 3, 6, 5);
    p.bits.resize(p.bits.size() - 1);
    EXPECT_FALSE(edgeCut(p, kWhiteBorder));
}

} // namespace
} // namespace pvn
