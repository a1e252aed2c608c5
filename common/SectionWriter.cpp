#include "common/SectionWriter.h"

#include <algorithm>

namespace pvn {

bool SectionWriter::write(std::span<const std::byte> bytes) {
    if (!fits(bytes.size()))
        return false;
    std::copy(bytes.begin(), bytes.end(), m_section.begin() + static_cast<std::ptrdiff_t>(m_offset));
    m_offset += bytes.size();
    return true;
}

bool SectionWriter::writeUint32(std::uint32_t value) {
    const std::byte bytes[4] = {std::byte(value & 0xFF), std::byte((value >> 8) & 0xFF),
                                std::byte((value >> 16) & 0xFF), std::byte((value >> 24) & 0xFF)};
    return write(bytes);
}

bool SectionWriter::writeInt32(std::int32_t value) { return writeUint32(static_cast<std::uint32_t>(value)); }

bool SectionWriter::writeUnits(std::u16string_view units) {
    if (units.size() > (m_section.size() - m_offset) / 2)
        return false;
    for (char16_t unit : units) {
        m_section[m_offset++] = std::byte(unit & 0xFF);
        m_section[m_offset++] = std::byte((unit >> 8) & 0xFF);
    }
    return true;
}

} // namespace pvn
