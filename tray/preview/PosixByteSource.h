#pragma once
// Byte sources over POSIX files, for native tools, tests and fuzzers. Wide paths are taken as
// Unicode and passed to the system in UTF-8.
#include "tray/preview/ByteSource.h"

namespace pvn {

class PosixByteSource final : public IByteSource {
public:
    explicit PosixByteSource(int fd) : m_fd(fd) {}
    ~PosixByteSource() override;
    PosixByteSource(const PosixByteSource&) = delete;
    PosixByteSource& operator=(const PosixByteSource&) = delete;

    std::uint32_t read(void* buffer, std::size_t size, std::size_t& got) override;
    std::uint32_t seek(std::int64_t offset) override;
    std::uint32_t size(std::uint64_t& out) override;

private:
    int m_fd;
};

class PosixFileSystem final : public IFileSystem {
public:
    bool exists(const std::wstring& path) const override;
    OpenResult openRead(const std::wstring& path, AccessHint hint) const override;
    std::wstring tempFolder() const override;
    // Native tools never extract, so there is nothing to clear.
    void clearWorkFolder(const std::wstring&) const override {}
};

std::string pathToUtf8(const std::wstring& path);

} // namespace pvn
