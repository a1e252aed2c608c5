#include "common/Paths_win.h"

#include "common/ErrorBox_win.h"
#include "common/Paths.h"
#include "common/Handle_win.h"

#include <shlobj.h>

namespace pvn {
namespace {

std::optional<std::wstring> currentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring buffer(needed, L'\0');
    const DWORD length = needed ? GetCurrentDirectoryW(needed, buffer.data()) : 0;
    if (!check(length != 0 && length < needed, "GetCurrentDirectory"))
        return std::nullopt;
    buffer.resize(length);
    return buffer;
}

} // namespace

std::wstring programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return parentFolder(path);
        }
        path.resize(path.size() * 2);
    }
}

std::optional<std::wstring> specialFolderPath(int csidl) {
    if (csidl == kCurrentDirectory)
        return currentDirectory();
    ComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.put()))) {
        showMessage(L"SHGetMalloc Error");
        return std::nullopt;
    }
    LPITEMIDLIST list = nullptr;
    if (!checkHr(SHGetSpecialFolderLocation(nullptr, csidl, &list), "SHGetSpecialFolderLocation"))
        return std::nullopt;
    wchar_t path[MAX_PATH] = L"";
    const BOOL found = SHGetPathFromIDListW(list, path);
    allocator->Free(list);
    if (!check(found, "SHGetPathFromIDList"))
        return std::nullopt;
    return std::wstring(path);
}

bool pathExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool folderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::wstring> shortPathName(const std::wstring& path) {
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD length = GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length >= buffer.size()) {
        // Longer than MAX_PATH: the first call told the size with its NUL.
        buffer.assign(length, L'\0');
        length = GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    if (!check(length != 0 && length < buffer.size(), "GetShortPathName"))
        return std::nullopt;
    buffer.resize(length);
    return buffer;
}

CommandLine splitProcessCommandLine() {
    return splitCommandLine(GetCommandLineW());
}

std::wstring modulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace pvn
