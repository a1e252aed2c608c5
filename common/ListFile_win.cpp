#include "common/ListFile_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"
#include "common/ListFile.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/TextPlatform.h"

#include <shlobj.h>

namespace pvn {
namespace {

// Any piece size gives the same lines: the splitter joins the pieces as bytes.
constexpr DWORD kReadPiece = 300;

bool writeAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

} // namespace

std::optional<std::wstring> listFilePath(const wchar_t* name) {
    const std::optional<std::wstring> appData = specialFolderPath(CSIDL_APPDATA);
    if (!appData)
        return std::nullopt;
    return joinPath(joinPath(*appData, kListFolder), name);
}

std::optional<std::wstring> recentListPath() {
    return listFilePath(kRecentListName);
}
std::optional<std::wstring> favoritesListPath() {
    return listFilePath(kFavoritesListName);
}

bool AppendRecentFolder(const std::wstring& path) {
    const std::optional<std::wstring> line = recentListLine(path);
    if (!line)
        return false;
    const std::optional<std::wstring> file = recentListPath();
    if (!file)
        return false;
    // FILE_APPEND_DATA alone makes every write land at the end, also when other programs append.
    UniqueFile out(CreateFileW(file->c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) {
        showMessage(L"fopen_s Error at WriteLog");
        return false;
    }
    return check(writeAll(out.get(), encodeListLines({*line}, textPlatform())), "WriteFile");
}

std::vector<std::wstring> readListFile(const std::wstring& path) {
    return readListFileChecked(path).value_or(std::vector<std::wstring>{});
}

std::optional<std::vector<std::wstring>> readListFileChecked(const std::wstring& path) {
    UniqueFile in(CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!in) {
        showMessage(path + L"\nファイルがないのかもしれません");
        return std::nullopt;
    }
    ListLineSplitter splitter(textPlatform());
    char piece[kReadPiece];
    DWORD got = 0;
    while (ReadFile(in.get(), piece, kReadPiece, &got, nullptr) && got > 0)
        splitter.feed(std::string_view(piece, got));
    return splitter.finish();
}

bool writeListFile(const std::wstring& path, const std::vector<std::wstring>& lines) {
    UniqueFile out(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out)
        return false;
    return writeAll(out.get(), encodeListLines(lines, textPlatform()));
}

} // namespace pvn
