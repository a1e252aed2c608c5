#pragma once
// A device-independent bitmap as the picture sources hand it to the preview window: the info block
// (a 40-byte header, then bit-field masks or the colour table) and the rows, padded to 4 bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pvn {

inline constexpr std::uint32_t kDibHeaderSize = 40;
inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kBiBitfields = 3;

// The fields of the 40-byte header that the preview reads or rewrites.
struct DibHeader {
    std::int32_t width = 0;
    std::int32_t height = 0; // negative: rows stored top-down
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::uint32_t clrUsed = 0;

    // Null when the block is shorter than the header.
    static std::optional<DibHeader> parse(const std::vector<std::uint8_t>& info);
    // Writes the fields back into a block that holds the header.
    void store(std::vector<std::uint8_t>& info) const;
    // A fresh 40-byte header with these fields, one plane.
    std::vector<std::uint8_t> block() const;
};

struct Picture {
    std::vector<std::uint8_t> info;
    std::vector<std::uint8_t> bits;
    // The size the source reported, used for scaling into the box (the pixels may be fewer after a
    // reduced read or an edge cut).
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::wstring caption;
};

// Bytes of one stored row; 0 when the width or depth is unusable or the row passes 4 GiB.
std::uint64_t dibStride(std::int64_t width, std::uint32_t bitCount);

// Whether the pixel buffer holds every row the header announces.
bool dibBitsComplete(const DibHeader& header, std::size_t bitsSize);

} // namespace pvn
