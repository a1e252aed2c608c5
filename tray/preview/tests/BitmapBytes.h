#pragma once
// Bitmap files built byte by byte, so that every header field can be made wrong on purpose.
#include <cstdint>
#include <functional>
#include <vector>

namespace pvn::test {

struct BitmapShape {
    std::int32_t width = 4;
    std::int32_t height = 3; // negative: top-down
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t tableEntries = 0; // colours actually written
    std::uint32_t gap = 0;          // bytes between the table and the pixels
    // Pixel value for (x, row as stored); bytes per pixel from the depth (below 8 bits: whole bytes).
    std::function<std::uint32_t(std::int32_t x, std::int32_t row)> pixel = [](std::int32_t, std::int32_t) {
        return 0u;
    };
};

inline void put(std::vector<std::uint8_t>& v, std::size_t at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        v[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::size_t strideOf(std::int32_t width, std::uint16_t bits) {
    return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

// Offsets: 2 bfSize, 10 bfOffBits, 14 biSize, 18 width, 22 height, 28 bits, 30 compression, 46 clrUsed.
inline std::vector<std::uint8_t> makeBitmap(const BitmapShape& s) {
    const std::size_t masks = s.compression == 3 ? 12 : 0;
    const std::size_t off = 54 + masks + 4 * s.tableEntries + s.gap;
    const std::size_t stride = strideOf(s.width, s.bitCount);
    const std::size_t rows = static_cast<std::size_t>(s.height < 0 ? -s.height : s.height);
    std::vector<std::uint8_t> v(off + stride * rows, 0);
    v[0] = 'B';
    v[1] = 'M';
    put(v, 2, v.size(), 4);
    put(v, 10, off, 4);
    put(v, 14, 40, 4);
    put(v, 18, static_cast<std::uint32_t>(s.width), 4);
    put(v, 22, static_cast<std::uint32_t>(s.height), 4);
    put(v, 26, 1, 2);
    put(v, 28, s.bitCount, 2);
    put(v, 30, s.compression, 4);
    put(v, 46, s.clrUsed, 4);
    if (masks) {
        put(v, 54, s.bitCount == 16 ? 0xF800 : 0xFF0000, 4);
        put(v, 58, s.bitCount == 16 ? 0x07E0 : 0x00FF00, 4);
        put(v, 62, s.bitCount == 16 ? 0x001F : 0x0000FF, 4);
    }
    for (std::uint32_t i = 0; i < s.tableEntries; ++i)
        put(v, 54 + masks + 4 * i, 0x010101u * i, 4);
    const int bytes = s.bitCount < 8 ? 1 : s.bitCount / 8;
    const std::int32_t wholeBytes = s.bitCount < 8 ? static_cast<std::int32_t>(stride) : s.width;
    for (std::size_t r = 0; r < rows; ++r)
        for (std::int32_t x = 0; x < wholeBytes; ++x)
            put(v, off + r * stride + static_cast<std::size_t>(x) * bytes,
                s.pixel(x, static_cast<std::int32_t>(r)), bytes);
    return v;
}

} // namespace pvn::test
