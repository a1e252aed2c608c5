#include "common/tests/support/TestFiles_win.h"

#include "common/Handle_win.h"
#include "common/WinTextPlatform_win.h"

#include <windows.h>

namespace pvn::test {

std::string readWholeFile(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (file && ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);
    return content;
}

bool writeWholeFile(const std::wstring& path, const std::string& content) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
           written == content.size();
}

std::vector<std::wstring> readUtf8Lines(const std::wstring& path) {
    const std::string bytes = readWholeFile(path);
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string_view line = std::string_view(bytes).substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(fromCodePage(CP_UTF8, line));
        start = end + 1;
    }
    return lines;
}

void removeTree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring child = path + L"\\" + name;
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                    !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                    removeTree(child);
                else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryW(child.c_str());
                else
                    DeleteFileW(child.c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
    }
    RemoveDirectoryW(path.c_str());
}

FixtureFolder::FixtureFolder(std::wstring path) : m_path(std::move(path)) {
    if (!m_path.empty() && m_path.back() == L'\\')
        m_path.pop_back();
    removeTree(m_path);
    CreateDirectoryW(m_path.c_str(), nullptr);
}

FixtureFolder::~FixtureFolder() { removeTree(m_path); }

std::wstring FixtureFolder::inTemp(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + name;
}

std::wstring FixtureFolder::folder(const std::wstring& relative) const {
    const std::wstring path = m_path + L"\\" + relative;
    CreateDirectoryW(path.c_str(), nullptr);
    return path;
}

std::wstring FixtureFolder::file(const std::wstring& relative, const std::string& content,
                                 unsigned long attributes) const {
    const std::wstring path = m_path + L"\\" + relative;
    writeWholeFile(path, content);
    if (attributes)
        SetFileAttributesW(path.c_str(), attributes);
    return path;
}

} // namespace pvn::test
