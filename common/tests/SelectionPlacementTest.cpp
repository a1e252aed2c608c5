#include "common/SelectionPlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace pvn {
namespace {

TEST(SelectionPlacementTest, LayoutIsSizeWindowAndRectangleLittleEndian) {
    SelectionPlacement p{0x00AB12CDu, -5, 16, 300, -2};
    auto bytes = p.encode();
    const unsigned char expected[24] = {24,   0,    0,    0,    0xCD, 0x12, 0xAB, 0,    0xFB, 0xFF, 0xFF, 0xFF,
                                        16,   0,    0,    0,    0x2C, 0x01, 0,    0,    0xFE, 0xFF, 0xFF, 0xFF};
    for (std::size_t i = 0; i < 24; ++i)
        EXPECT_EQ(expected[i], static_cast<unsigned char>(bytes[i])) << i;
    EXPECT_EQ(p, SelectionPlacement::decode(bytes));
}

TEST(SelectionPlacementTest, DecodeRefusesShortBlocksAndOtherSizes) {
    SelectionPlacement p{1, 2, 3, 4, 5};
    auto bytes = p.encode();
    for (std::size_t n = 0; n < 24; ++n)
        EXPECT_FALSE(SelectionPlacement::decode(std::span(bytes).first(n))) << n;
    for (unsigned size : {0u, 20u, 23u, 25u, 32u, 0xFFFFFFFFu}) {
        auto bad = bytes;
        bad[0] = std::byte(size & 0xFF);
        bad[1] = std::byte((size >> 8) & 0xFF);
        bad[2] = std::byte((size >> 16) & 0xFF);
        bad[3] = std::byte(size >> 24);
        EXPECT_FALSE(SelectionPlacement::decode(bad)) << size;
    }
}

TEST(SelectionPlacementTest, DecodeTakesOnlyTheRecordFromALongerBlock) {
    SelectionPlacement p{7, 10, 20, 30, 40};
    auto record = p.encode();
    std::vector<std::byte> longer(record.begin(), record.end());
    longer.resize(64, std::byte{0x7F});
    EXPECT_EQ(p, SelectionPlacement::decode(longer));
}

} // namespace
} // namespace pvn
