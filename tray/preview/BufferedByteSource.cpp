#include "tray/preview/BufferedByteSource.h"

#include <algorithm>
#include <cstring>

namespace pvn {

BufferedByteSource::BufferedByteSource(std::unique_ptr<IByteSource> inner, std::size_t capacity)
    : m_inner(std::move(inner)), m_buffer(std::max<std::size_t>(capacity, 1)) {}

std::uint32_t BufferedByteSource::fill() {
    if (m_innerPos != m_pos) {
        if (std::uint32_t e = m_inner->seek(static_cast<std::int64_t>(m_pos)))
            return e;
        m_innerPos = m_pos;
    }
    std::size_t got = 0;
    ++m_innerReads;
    std::uint32_t e = m_inner->read(m_buffer.data(), m_buffer.size(), got);
    m_bufferStart = m_pos;
    m_innerPos += got;
    // After a failure nothing is kept: the next read asks again.
    m_bufferLength = e ? 0 : got;
    m_atEnd = !e && got < m_buffer.size();
    return e;
}

std::uint32_t BufferedByteSource::read(void* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    auto* out = static_cast<std::uint8_t*>(buffer);
    while (got < size) {
        if (m_pos >= m_bufferStart && m_pos < m_bufferStart + m_bufferLength) {
            auto offset = static_cast<std::size_t>(m_pos - m_bufferStart);
            std::size_t n = std::min(size - got, m_bufferLength - offset);
            std::memcpy(out + got, m_buffer.data() + offset, n);
            got += n;
            m_pos += n;
            continue;
        }
        if (m_atEnd && m_pos == m_bufferStart + m_bufferLength)
            return 0;
        std::size_t want = size - got;
        if (want >= m_buffer.size()) {
            // Large reads go straight through; the buffer is left as it was.
            if (m_innerPos != m_pos) {
                if (std::uint32_t e = m_inner->seek(static_cast<std::int64_t>(m_pos)))
                    return e;
                m_innerPos = m_pos;
            }
            std::size_t n = 0;
            ++m_innerReads;
            std::uint32_t e = m_inner->read(out + got, want, n);
            got += n;
            m_pos += n;
            m_innerPos += n;
            return e;
        }
        if (std::uint32_t e = fill())
            return e;
        if (m_bufferLength == 0)
            return 0;
    }
    return 0;
}

std::uint32_t BufferedByteSource::seek(std::int64_t offset) {
    if (offset < 0)
        return win32_error::kNegativeSeek;
    auto target = static_cast<std::uint64_t>(offset);
    // Inside the window, or just past its end when that end is the end of the file.
    if (target >= m_bufferStart && target <= m_bufferStart + m_bufferLength && m_bufferLength) {
        m_pos = target;
        return 0;
    }
    if (std::uint32_t e = m_inner->seek(offset))
        return e;
    m_pos = m_innerPos = target;
    m_bufferLength = 0;
    m_atEnd = false;
    return 0;
}

std::uint32_t BufferedByteSource::size(std::uint64_t& out) { return m_inner->size(out); }

} // namespace pvn
