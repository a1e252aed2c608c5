#include "common/ShellIcon_win.h"

#include <shlobj.h>

namespace pvn {
namespace {

constexpr UINT kSmallIcon = SHGFI_ICON | SHGFI_SMALLICON | SHGFI_SHELLICONSIZE;

} // namespace

UniqueIcon shellSmallIcon(const std::wstring& path, bool open) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, kSmallIcon | (open ? SHGFI_OPENICON : 0)))
        return {};
    return UniqueIcon(info.hIcon);
}

UniqueIcon specialFolderSmallIcon(int csidl) {
    UniqueItemList folder;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, folder.put())))
        return {};
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(folder.get()), 0, &info, sizeof info, SHGFI_PIDL | kSmallIcon))
        return {};
    return UniqueIcon(info.hIcon);
}

} // namespace pvn
