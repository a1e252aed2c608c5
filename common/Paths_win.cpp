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
    const std::wstring path = modulePath();
    return path.empty() ? std::wstring() : parentFolder(path);
}

std::optional<std::wstring> specialFolderPath(int csidl) {
    if (csidl == kCurrentDirectory)
        return currentDirectory();
    UniqueItemList list;
    if (!checkHr(SHGetSpecialFolderLocation(nullptr, csidl, list.put()), "SHGetSpecialFolderLocation"))
        return std::nullopt;
    wchar_t path[MAX_PATH] = L"";
    if (!check(SHGetPathFromIDListW(list.get(), path), "SHGetPathFromIDList"))
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
