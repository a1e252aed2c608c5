#include "tray/preview/Win32ByteSource_win.h"

#include "common/TextPlatform.h"
#include "tray/preview/WorkFolder.h"

#include <algorithm>

namespace pvn {

std::uint32_t Win32ByteSource::read(void* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    auto* p = static_cast<char*>(buffer);
    while (got < size) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - got, 1u << 30));
        DWORD n = 0;
        if (!ReadFile(m_file.get(), p + got, chunk, &n, nullptr))
            return GetLastError();
        got += n;
        if (n == 0)
            break;
    }
    return 0;
}

std::uint32_t Win32ByteSource::seek(std::int64_t offset) {
    LARGE_INTEGER to;
    to.QuadPart = offset;
    if (!SetFilePointerEx(m_file.get(), to, nullptr, FILE_BEGIN))
        return GetLastError();
    return 0;
}

std::uint32_t Win32ByteSource::size(std::uint64_t& out) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_file.get(), &size))
        return GetLastError();
    out = static_cast<std::uint64_t>(size.QuadPart);
    return 0;
}

bool Win32FileSystem::exists(const std::wstring& path) const {
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileW(path.c_str(), &data));
    return static_cast<bool>(find);
}

OpenResult Win32FileSystem::openRead(const std::wstring& path, AccessHint hint) const {
    const DWORD flags = hint == AccessHint::SequentialScan ? FILE_FLAG_SEQUENTIAL_SCAN : FILE_FLAG_RANDOM_ACCESS;
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | flags, nullptr));
    if (!file)
        return {nullptr, GetLastError()};
    return {std::make_unique<Win32ByteSource>(std::move(file)), 0};
}

std::wstring Win32FileSystem::tempFolder() const {
    wchar_t buf[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, buf);
    if (n == 0 || n > MAX_PATH)
        return {};
    return std::wstring(buf, n);
}

namespace {

void clearInside(const std::wstring& folder, const std::wstring& root) {
    if (!insideWorkFolder(textPlatform(), folder, root))
        return;
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &data));
    if (!find)
        return;
    do {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        std::wstring item = folder + L"\\" + name;
        SetFileAttributesW(item.c_str(), data.dwFileAttributes &
                                             ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A junction is removed as a link: its target lies outside and is left alone.
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                clearInside(item, root);
            RemoveDirectoryW(item.c_str());
        } else {
            DeleteFileW(item.c_str());
        }
    } while (FindNextFileW(find.get(), &data));
}

} // namespace

void Win32FileSystem::clearWorkFolder(const std::wstring& folder) const {
    if (folder.empty())
        return;
    clearInside(folder, folder);
    if (GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        CreateDirectoryW(folder.c_str(), nullptr);
}

} // namespace pvn
