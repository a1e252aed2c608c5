#pragma once
// Reads a request out of the shared section at increasing offsets. Every read is checked against the
// view it was given: the sender is another process and may have written anything, or too little.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pvn {

class SectionReader {
public:
    explicit SectionReader(std::span<const std::byte> view) : m_view(view) {}

    std::optional<std::span<const std::byte>> read(std::size_t n);
    // Little-endian.
    std::optional<std::uint32_t> readUint32();
    std::optional<std::int32_t> readInt32();
    // Looks at the next four bytes without moving on.
    std::optional<std::uint32_t> peekUint32() const;

    // What is left of the view from the current offset.
    std::span<const std::byte> rest() const { return m_view.subspan(m_offset); }
    bool skip(std::size_t n);

    std::size_t offset() const { return m_offset; }
    std::size_t remaining() const { return m_view.size() - m_offset; }

private:
    std::span<const std::byte> m_view;
    std::size_t m_offset = 0;
};

} // namespace pvn
