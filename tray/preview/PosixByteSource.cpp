#include "tray/preview/PosixByteSource.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pvn {
namespace {

std::uint32_t win32Code(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return win32_error::kFileNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
        return win32_error::kAccessDenied;
    case ENOMEM:
        return win32_error::kNotEnoughMemory;
    default:
        return win32_error::kInvalidParameter;
    }
}

} // namespace

std::string pathToUtf8(const std::wstring& path) {
    std::string out;
    for (wchar_t wc : path) {
        auto c = static_cast<std::uint32_t>(wc);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

PosixByteSource::~PosixByteSource() { ::close(m_fd); }

std::uint32_t PosixByteSource::read(void* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    auto* p = static_cast<char*>(buffer);
    while (got < size) {
        ssize_t n = ::read(m_fd, p + got, size - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return win32Code(errno);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return 0;
}

std::uint32_t PosixByteSource::seek(std::int64_t offset) {
    if (offset < 0)
        return win32_error::kNegativeSeek;
    if (::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) < 0)
        return win32Code(errno);
    return 0;
}

std::uint32_t PosixByteSource::size(std::uint64_t& out) {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return win32Code(errno);
    out = static_cast<std::uint64_t>(st.st_size);
    return 0;
}

bool PosixFileSystem::exists(const std::wstring& path) const {
    struct stat st {};
    return ::stat(pathToUtf8(path).c_str(), &st) == 0;
}

OpenResult PosixFileSystem::openRead(const std::wstring& path, AccessHint hint) const {
    int fd = ::open(pathToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {nullptr, win32Code(errno)};
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return {nullptr, win32_error::kAccessDenied};
    }
    ::posix_fadvise(fd, 0, 0, hint == AccessHint::SequentialScan ? POSIX_FADV_SEQUENTIAL : POSIX_FADV_RANDOM);
    return {std::make_unique<PosixByteSource>(fd), 0};
}

std::wstring PosixFileSystem::tempFolder() const {
    const char* dir = std::getenv("TMPDIR");
    std::string s = dir && *dir ? dir : "/tmp";
    if (s.back() != '/')
        s += '/';
    return std::wstring(s.begin(), s.end());
}

} // namespace pvn
