#pragma once
// Writes a request into the shared section at increasing offsets. A write that would pass the size
// the section was created with is refused whole and leaves the offset where it was, so a sender can
// never scribble past the view it mapped.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pvn {

class SectionWriter {
public:
    explicit SectionWriter(std::span<std::byte> section) : m_section(section) {}

    bool write(std::span<const std::byte> bytes);
    // Little-endian, as the other programs read it.
    bool writeUint32(std::uint32_t value);
    bool writeInt32(std::int32_t value);
    bool writeUnits(std::u16string_view units);

    std::size_t offset() const { return m_offset; }
    std::size_t size() const { return m_section.size(); }
    bool full() const { return m_offset == m_section.size(); }

private:
    bool fits(std::size_t n) const { return n <= m_section.size() - m_offset; }

    std::span<std::byte> m_section;
    std::size_t m_offset = 0;
};

} // namespace pvn
