#include "common/IntegrityCheck_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"
#include "common/IntegrityCheck.h"

#include <string>
#include <vector>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace pvn {
namespace {

std::wstring modulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::vector<uint8_t> readWhole(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    std::vector<uint8_t> bytes;
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > 256LL * 1024 * 1024)
        return bytes;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) || got != bytes.size())
        bytes.clear();
    return bytes;
}

} // namespace

bool verifyOwnFile(HMODULE module) {
    if (!module)
        module = reinterpret_cast<HMODULE>(&__ImageBase);
    std::wstring path = modulePath(module);
    std::vector<uint8_t> image = path.empty() ? std::vector<uint8_t>{} : readWhole(path);
    SealState state = checkSeal(image);
    if (state == SealState::Intact)
        return true;
    std::wstring why = image.empty() ? L"プログラムファイルを読めません。\n"
                                     : L"プログラムファイルが壊れているか、変更されています。\n";
    showMessage(why + path + L"\n\n正しいファイルを入れ直してください。");
    return false;
}

} // namespace pvn
