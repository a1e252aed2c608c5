#include "common/SectionReader.h"

namespace pvn {
namespace {

std::uint32_t littleEndian32(std::span<const std::byte> b) {
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

} // namespace

std::optional<std::span<const std::byte>> SectionReader::read(std::size_t n) {
    if (n > remaining())
        return std::nullopt;
    auto part = m_view.subspan(m_offset, n);
    m_offset += n;
    return part;
}

std::optional<std::uint32_t> SectionReader::readUint32() {
    auto bytes = read(4);
    if (!bytes)
        return std::nullopt;
    return littleEndian32(*bytes);
}

std::optional<std::int32_t> SectionReader::readInt32() {
    auto value = readUint32();
    if (!value)
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<std::uint32_t> SectionReader::peekUint32() const {
    if (remaining() < 4)
        return std::nullopt;
    return littleEndian32(m_view.subspan(m_offset, 4));
}

bool SectionReader::skip(std::size_t n) { return read(n).has_value(); }

} // namespace pvn
