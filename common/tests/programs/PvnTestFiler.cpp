// Stands in for the user's filer: records its arguments and working directory, one per line in
// UTF-8, to PvnTestFiler.log beside itself, and ends. The record appears whole (written to a
// temporary file first), so a test never reads half of it.
#include "common/Paths_win.h"

#include <windows.h>

#include <string>

namespace {

std::wstring ownFolder() { return pvn::programFolder() + L"\\"; }

std::string utf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                            nullptr);
    return out;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    wchar_t directory[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, directory);
    const std::string record = utf8(std::wstring(arguments ? arguments : L"") + L"\n" + directory + L"\n");
    const std::wstring temporary = ownFolder() + L"PvnTestFiler.tmp";
    const std::wstring log = ownFolder() + L"PvnTestFiler.log";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    return MoveFileExW(temporary.c_str(), log.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
