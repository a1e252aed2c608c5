#pragma once
// Byte sources over memory, for tests and fuzzers.
#include "tray/preview/ByteSource.h"

#include <map>
#include <span>
#include <vector>

namespace pvn {

class MemoryByteSource final : public IByteSource {
public:
    // The bytes must outlive the source.
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    std::uint32_t read(void* buffer, std::size_t size, std::size_t& got) override;
    std::uint32_t seek(std::int64_t offset) override;
    std::uint32_t size(std::uint64_t& out) override;

private:
    std::span<const std::uint8_t> m_bytes;
    std::uint64_t m_pos = 0;
};

// Files by path. A file can be made to fail its open, its reads or its seeks with a given code.
class MemoryFileSystem final : public IFileSystem {
public:
    struct File {
        std::vector<std::uint8_t> bytes;
        std::uint32_t openError = 0;
        std::uint32_t readError = 0; // every read fails
        std::uint32_t seekError = 0; // every seek fails
    };

    File& add(const std::wstring& path, std::vector<std::uint8_t> bytes);
    bool exists(const std::wstring& path) const override;
    OpenResult openRead(const std::wstring& path, AccessHint hint) const override;
    std::wstring tempFolder() const override { return L"T:\\tmp\\"; }
    void clearWorkFolder(const std::wstring& folder) const override { cleared.push_back(folder); }

    mutable std::vector<AccessHint> hints;     // of every open, in order
    mutable std::vector<std::wstring> cleared;

private:
    std::map<std::wstring, File> m_files;
};

} // namespace pvn
