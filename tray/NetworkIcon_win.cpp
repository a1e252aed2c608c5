#include "tray/NetworkIcon_win.h"

#include "common/Handle_win.h"

#include <shlobj.h>

namespace pvn {
namespace {

UniqueIcon loadNetworkIcon() {
    UniqueCoMem pidl;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_NETWORK, reinterpret_cast<PIDLIST_ABSOLUTE*>(pidl.put()))))
        return {};
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(static_cast<LPCWSTR>(pidl.get()), 0, &info, sizeof info,
                        SHGFI_PIDL | SHGFI_ICON | SHGFI_SHELLICONSIZE | SHGFI_SMALLICON))
        return {};
    return UniqueIcon(info.hIcon);
}

// Destroyed when the process ends.
const UniqueIcon g_networkIcon = loadNetworkIcon();

} // namespace

HICON networkIcon() { return g_networkIcon.get(); }

} // namespace pvn
