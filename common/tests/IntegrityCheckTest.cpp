#include "common/IntegrityCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace pvn {
namespace {

// The smallest image the check accepts: DOS header pointing at a PE signature and optional header.
std::vector<uint8_t> fakeImage(size_t size = 512) {
    std::vector<uint8_t> b(size, 0);
    for (size_t i = 0; i < size; ++i)
        b[i] = static_cast<uint8_t>(i * 7 + 3);
    b[0] = 'M';
    b[1] = 'Z';
    b[0x3C] = 0x80;
    b[0x3D] = b[0x3E] = b[0x3F] = 0;
    b[0x80] = 'P';
    b[0x81] = 'E';
    b[0x82] = b[0x83] = 0;
    for (size_t i = 0; i < 4 && 0x80 + 88 + i < size; ++i)
        b[0x80 + 88 + i] = 0; // not sealed yet
    return b;
}

void seal(std::vector<uint8_t>& b) {
    size_t at = *peChecksumOffset(b);
    uint32_t sum = peChecksum(b, at);
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(sum >> (8 * i));
}

TEST(IntegrityCheckTest, ChecksumFieldFollowsTheFileHeader) {
    auto b = fakeImage();
    EXPECT_EQ(0x80u + 4 + 20 + 64, peChecksumOffset(b));
}

TEST(IntegrityCheckTest, ChecksumOfAKnownImage) {
    // Words 0x0201 and 0x0403 with the field (bytes 4..7) skipped, plus the length 8.
    std::vector<uint8_t> b{1, 2, 3, 4, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(0x0201u + 0x0403u + 8u, peChecksum(b, 4));
    // Carries fold back into the low 16 bits.
    std::vector<uint8_t> c{0xFF, 0xFF, 0x02, 0x00};
    EXPECT_EQ(0x0002u + 4u, peChecksum(c, 100));
}

TEST(IntegrityCheckTest, SealedImageIsIntactAndAnyChangedByteIsModified) {
    auto b = fakeImage(1001); // odd length: the last byte counts as a word of its own
    seal(b);
    EXPECT_EQ(SealState::Intact, checkSeal(b));
    for (size_t at : {size_t{2}, size_t{300}, size_t{1000}}) {
        auto changed = b;
        changed[at] ^= 0x01;
        EXPECT_EQ(SealState::Modified, checkSeal(changed)) << "byte " << at;
    }
    auto longer = b;
    longer.push_back(0);
    EXPECT_EQ(SealState::Modified, checkSeal(longer)) << "appended data";
}

TEST(IntegrityCheckTest, UnsealedTruncatedAndForeignFilesFail) {
    EXPECT_EQ(SealState::Unsealed, checkSeal(fakeImage()));
    EXPECT_EQ(SealState::NotPe, checkSeal(std::vector<uint8_t>{}));
    auto b = fakeImage();
    b[0x80] = 'X';
    EXPECT_EQ(SealState::NotPe, checkSeal(b));
    auto shortImage = fakeImage(0x80 + 40);
    EXPECT_EQ(SealState::NotPe, checkSeal(shortImage));
    auto far = fakeImage();
    far[0x3F] = 0x7F; // header offset beyond the file
    EXPECT_EQ(SealState::NotPe, checkSeal(far));
}

} // namespace
} // namespace pvn
