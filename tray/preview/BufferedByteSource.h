#pragma once
// Batches the many small reads of a directory walk into large reads of the source beneath. Seeks
// that land inside the buffered window cost nothing; others are passed on at once, so that their
// errors are reported by the seek that caused them.
#include "tray/preview/ByteSource.h"

#include <vector>

namespace pvn {

class BufferedByteSource final : public IByteSource {
public:
    static constexpr std::size_t kDefaultCapacity = 64 * 1024;

    explicit BufferedByteSource(std::unique_ptr<IByteSource> inner, std::size_t capacity = kDefaultCapacity);

    std::uint32_t read(void* buffer, std::size_t size, std::size_t& got) override;
    std::uint32_t seek(std::int64_t offset) override;
    std::uint32_t size(std::uint64_t& out) override;

    // Reads issued to the source beneath, for tests and benchmarks.
    std::size_t innerReads() const { return m_innerReads; }

private:
    std::uint32_t fill();

    std::unique_ptr<IByteSource> m_inner;
    std::vector<std::uint8_t> m_buffer;
    std::uint64_t m_bufferStart = 0; // file position of m_buffer[0]
    std::size_t m_bufferLength = 0;  // valid bytes in m_buffer
    std::uint64_t m_pos = 0;         // logical position
    std::uint64_t m_innerPos = 0;    // position of the source beneath
    bool m_atEnd = false;            // the last fill reached the end of the file
    std::size_t m_innerReads = 0;
};

} // namespace pvn
