#include "tray/NetworkIcon_win.h"

#include "common/ShellIcon_win.h"

#include <shlobj.h>

namespace pvn {
namespace {

// Destroyed when the process ends.
const UniqueIcon g_networkIcon = specialFolderSmallIcon(CSIDL_NETWORK);

} // namespace

HICON networkIcon() { return g_networkIcon.get(); }

} // namespace pvn
