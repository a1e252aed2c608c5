#include "common/IntegrityCheck_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"
#include "common/IntegrityCheck.h"
#include "common/Paths_win.h"

#include <string>
#include <span>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace pvn {
namespace {

// The file mapped read-only: the check reads every byte once, with no copy.
struct MappedFile {
    UniqueMapping mapping;
    UniqueView view;
    std::span<const uint8_t> bytes;
};

MappedFile mapWhole(const std::wstring& path) {
    MappedFile mapped;
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart == 0 || size.QuadPart > 256LL * 1024 * 1024)
        return mapped;
    mapped.mapping.reset(CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (mapped.mapping)
        mapped.view.reset(MapViewOfFile(mapped.mapping.get(), FILE_MAP_READ, 0, 0, 0));
    if (mapped.view)
        mapped.bytes = {static_cast<const uint8_t*>(mapped.view.get()), static_cast<size_t>(size.QuadPart)};
    return mapped;
}

} // namespace

bool verifyOwnFile(HMODULE module) {
    if (!module)
        module = reinterpret_cast<HMODULE>(&__ImageBase);
    std::wstring path = modulePath(module);
    const MappedFile image = path.empty() ? MappedFile{} : mapWhole(path);
    SealState state = checkSeal(image.bytes);
    if (state == SealState::Intact)
        return true;
    std::wstring why = image.bytes.empty() ? L"プログラムファイルを読めません。\n"
                                     : L"プログラムファイルが壊れているか、変更されています。\n";
    showMessage(why + path + L"\n\n正しいファイルを入れ直してください。");
    return false;
}

} // namespace pvn
