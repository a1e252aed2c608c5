#pragma once
// A file read under the preview's size limit. The size measured before the read does not bind a
// file that grows meanwhile (a log, a download): this source never delivers a byte past the limit
// and fails with kFileTooLarge when the file holds more.
#include "tray/preview/ByteSource.h"

namespace pvn {

namespace win32_error {
inline constexpr std::uint32_t kFileTooLarge = 223;
} // namespace win32_error

class LimitedByteSource final : public IByteSource {
public:
    LimitedByteSource(std::unique_ptr<IByteSource> inner, std::uint64_t limit)
        : m_inner(std::move(inner)), m_limit(limit) {}
    std::uint32_t read(void* buffer, std::size_t size, std::size_t& got) override;
    std::uint32_t seek(std::int64_t offset) override;
    // kFileTooLarge for a size past the limit.
    std::uint32_t size(std::uint64_t& out) override;

private:
    std::unique_ptr<IByteSource> m_inner;
    std::uint64_t m_limit;
    std::uint64_t m_pos = 0;
};

} // namespace pvn
