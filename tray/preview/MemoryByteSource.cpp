#include "tray/preview/MemoryByteSource.h"

#include <algorithm>
#include <cstring>

namespace pvn {

std::uint32_t MemoryByteSource::read(void* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    if (m_pos >= m_bytes.size())
        return 0;
    got = static_cast<std::size_t>(std::min<std::uint64_t>(size, m_bytes.size() - m_pos));
    if (got)
        std::memcpy(buffer, m_bytes.data() + m_pos, got);
    m_pos += got;
    return 0;
}

std::uint32_t MemoryByteSource::seek(std::int64_t offset) {
    if (offset < 0)
        return win32_error::kNegativeSeek;
    m_pos = static_cast<std::uint64_t>(offset);
    return 0;
}

std::uint32_t MemoryByteSource::size(std::uint64_t& out) {
    out = m_bytes.size();
    return 0;
}

namespace {

// A memory source that fails on demand.
class FailingSource final : public IByteSource {
public:
    explicit FailingSource(const MemoryFileSystem::File& file) : m_file(file), m_inner(file.bytes) {}
    std::uint32_t read(void* buffer, std::size_t size, std::size_t& got) override {
        got = 0;
        return m_file.readError ? m_file.readError : m_inner.read(buffer, size, got);
    }
    std::uint32_t seek(std::int64_t offset) override {
        return m_file.seekError ? m_file.seekError : m_inner.seek(offset);
    }
    std::uint32_t size(std::uint64_t& out) override { return m_inner.size(out); }

private:
    const MemoryFileSystem::File& m_file;
    MemoryByteSource m_inner;
};

} // namespace

MemoryFileSystem::File& MemoryFileSystem::add(const std::wstring& path, std::vector<std::uint8_t> bytes) {
    File& f = m_files[path];
    f = File{};
    f.bytes = std::move(bytes);
    return f;
}

bool MemoryFileSystem::exists(const std::wstring& path) const { return m_files.count(path) != 0; }

OpenResult MemoryFileSystem::openRead(const std::wstring& path, AccessHint hint) const {
    hints.push_back(hint);
    auto it = m_files.find(path);
    if (it == m_files.end())
        return {nullptr, win32_error::kFileNotFound};
    if (it->second.openError)
        return {nullptr, it->second.openError};
    return {std::make_unique<FailingSource>(it->second), 0};
}

} // namespace pvn
