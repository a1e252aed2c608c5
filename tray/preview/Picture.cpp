#include "tray/preview/Picture.h"

#include "tray/preview/LittleEndian.h"

#include <cstdlib>

namespace pvn {
namespace {

void put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

std::optional<DibHeader> DibHeader::parse(const std::vector<std::uint8_t>& info) {
    if (info.size() < kDibHeaderSize)
        return std::nullopt;
    const std::uint8_t* p = info.data();
    DibHeader h;
    h.width = static_cast<std::int32_t>(le32(p + 4));
    h.height = static_cast<std::int32_t>(le32(p + 8));
    h.bitCount = le16(p + 14);
    h.compression = le32(p + 16);
    h.sizeImage = le32(p + 20);
    h.clrUsed = le32(p + 32);
    return h;
}

void DibHeader::store(std::vector<std::uint8_t>& info) const {
    if (info.size() < kDibHeaderSize)
        return;
    std::uint8_t* p = info.data();
    put32(p + 4, static_cast<std::uint32_t>(width));
    put32(p + 8, static_cast<std::uint32_t>(height));
    put16(p + 14, bitCount);
    put32(p + 16, compression);
    put32(p + 20, sizeImage);
    put32(p + 32, clrUsed);
}

std::vector<std::uint8_t> DibHeader::block() const {
    std::vector<std::uint8_t> info(kDibHeaderSize, 0);
    put32(info.data(), kDibHeaderSize);
    put16(info.data() + 12, 1);
    store(info);
    return info;
}

std::uint64_t dibStride(std::int64_t width, std::uint32_t bitCount) {
    if (width <= 0 || bitCount == 0 || bitCount > 32)
        return 0;
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    return stride > 0xFFFFFFFFu ? 0 : stride;
}

bool dibBitsComplete(const DibHeader& header, std::size_t bitsSize) {
    const std::uint64_t stride = dibStride(header.width, header.bitCount);
    const std::uint64_t rows = static_cast<std::uint64_t>(std::llabs(static_cast<long long>(header.height)));
    return stride != 0 && rows != 0 && rows <= bitsSize / stride;
}

} // namespace pvn
