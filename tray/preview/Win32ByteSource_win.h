#pragma once
// Win32 files for the readers: shared read, write and delete (logs and downloads being written are
// previewed too), the caller's access hint, 64-bit positions.
#include "common/Handle_win.h"
#include "tray/preview/ByteSource.h"

namespace pvn {

class Win32ByteSource final : public IByteSource {
public:
    explicit Win32ByteSource(UniqueFile file) : m_file(std::move(file)) {}
    std::uint32_t read(void* buffer, std::size_t size, std::size_t& got) override;
    std::uint32_t seek(std::int64_t offset) override;
    std::uint32_t size(std::uint64_t& out) override;

private:
    UniqueFile m_file;
};

class Win32FileSystem final : public IFileSystem {
public:
    // FindFirstFileW succeeds.
    bool exists(const std::wstring& path) const override;
    OpenResult openRead(const std::wstring& path, AccessHint hint) const override;
    std::wstring tempFolder() const override;
    // Deletes everything inside `folder` (attributes cleared first, nothing outside it), then creates it
    // when it is missing.
    void clearWorkFolder(const std::wstring& folder) const override;
};

} // namespace pvn
