#include "tray/preview/LimitedByteSource.h"

#include <algorithm>

namespace pvn {

std::uint32_t LimitedByteSource::read(void* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    const std::uint64_t room = m_pos < m_limit ? m_limit - m_pos : 0;
    const std::size_t allowed = static_cast<std::size_t>(std::min<std::uint64_t>(size, room));
    if (allowed > 0) {
        const std::uint32_t error = m_inner->read(buffer, allowed, got);
        m_pos += got;
        if (error)
            return error;
    }
    if (size > allowed && got == allowed) {
        // Asked past the limit: the file must end there.
        std::uint8_t probe = 0;
        std::size_t extra = 0;
        const std::uint32_t error = m_inner->read(&probe, 1, extra);
        m_pos += extra;
        if (extra > 0)
            return win32_error::kFileTooLarge;
        return error;
    }
    return 0;
}

std::uint32_t LimitedByteSource::seek(std::int64_t offset) {
    const std::uint32_t error = m_inner->seek(offset);
    if (!error)
        m_pos = static_cast<std::uint64_t>(offset);
    return error;
}

std::uint32_t LimitedByteSource::size(std::uint64_t& out) {
    if (const std::uint32_t error = m_inner->size(out))
        return error;
    return out > m_limit ? win32_error::kFileTooLarge : 0;
}

} // namespace pvn
