#pragma once
// The readers see files only through these interfaces, so the same parsers run over Win32 files in the
// program, POSIX files in native tools and memory in tests and fuzzers. Error codes are Win32 codes
// whatever the platform, because they end up in the messages the user sees.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace pvn {

namespace win32_error {
inline constexpr std::uint32_t kFileNotFound = 2;
inline constexpr std::uint32_t kAccessDenied = 5;
inline constexpr std::uint32_t kNotEnoughMemory = 8;
inline constexpr std::uint32_t kSharingViolation = 32;
inline constexpr std::uint32_t kHandleEof = 38;
inline constexpr std::uint32_t kInvalidParameter = 87;
inline constexpr std::uint32_t kNegativeSeek = 131;
} // namespace win32_error

class IByteSource {
public:
    virtual ~IByteSource() = default;
    // Reads up to `size` bytes at the current position into `buffer`; `got` is what arrived (less than
    // `size` only at the end of the file). Returns 0 or the Win32 error code.
    virtual std::uint32_t read(void* buffer, std::size_t size, std::size_t& got) = 0;
    // Moves to `offset` from the beginning. Negative offsets fail with kNegativeSeek; positions past
    // the end are allowed (the next read then returns nothing), as with SetFilePointerEx.
    virtual std::uint32_t seek(std::int64_t offset) = 0;
    virtual std::uint32_t size(std::uint64_t& out) = 0;
};

// How the file will be read: passed to the platform as an access hint.
enum class AccessHint { RandomAccess, SequentialScan };

struct OpenResult {
    std::unique_ptr<IByteSource> source; // null on failure
    std::uint32_t error = 0;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    virtual bool exists(const std::wstring& path) const = 0;
    // Opens for reading; others may go on reading, writing and deleting the file meanwhile.
    virtual OpenResult openRead(const std::wstring& path, AccessHint hint) const = 0;
    // The user's temporary folder, ending with a separator.
    virtual std::wstring tempFolder() const = 0;
    // Empties `folder` (which must lie inside itself: see WorkFolder.h) and creates it when missing.
    virtual void clearWorkFolder(const std::wstring& folder) const = 0;
};

} // namespace pvn
