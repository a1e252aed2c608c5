#include "common/IntegrityCheck.h"

namespace pvn {
namespace {

uint32_t read32(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
           static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

} // namespace

std::optional<size_t> peChecksumOffset(std::span<const uint8_t> image) {
    if (image.size() < 0x40 || image[0] != 'M' || image[1] != 'Z')
        return std::nullopt;
    size_t pe = read32(image, 0x3C);
    // Signature (4), file header (20), then the optional header's CheckSum at offset 64.
    if (pe > image.size() || image.size() - pe < 4 + 20 + 64 + 4)
        return std::nullopt;
    if (read32(image, pe) != 0x00004550u)
        return std::nullopt;
    return pe + 4 + 20 + 64;
}

uint32_t peChecksum(std::span<const uint8_t> image, size_t checksumOffset) {
    // Words at even offsets; the carries are folded once at the end: a 64-bit sum of 16-bit words
    // cannot overflow for any image the check reads, and folding late gives the same
    // one's-complement sum.
    const size_t n = image.size();
    auto word = [&image, n](size_t i) {
        return i + 1 < n ? static_cast<uint32_t>(image[i]) | static_cast<uint32_t>(image[i + 1]) << 8
                         : static_cast<uint32_t>(image[i]);
    };
    uint64_t sum = 0;
    for (size_t i = 0; i < n; i += 2)
        sum += word(i);
    for (size_t i = checksumOffset + (checksumOffset & 1); i < checksumOffset + 4 && i < n; i += 2)
        sum -= word(i);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint32_t>(sum) + static_cast<uint32_t>(n);
}

SealState checkSeal(std::span<const uint8_t> image) {
    auto at = peChecksumOffset(image);
    if (!at)
        return SealState::NotPe;
    uint32_t stored = read32(image, *at);
    if (stored == 0)
        return SealState::Unsealed;
    return stored == peChecksum(image, *at) ? SealState::Intact : SealState::Modified;
}

} // namespace pvn
