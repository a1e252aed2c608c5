#pragma once
// Small icons from the shell, at the shell's small icon size.
#include "common/Handle_win.h"

#include <string>

namespace pvn {

// A file's or folder's icon, the open-folder form when `open`; empty when the shell has none.
UniqueIcon shellSmallIcon(const std::wstring& path, bool open = false);

// A special folder's icon (CSIDL_DRIVES, CSIDL_NETWORK...); empty when the shell has none.
UniqueIcon specialFolderSmallIcon(int csidl);

} // namespace pvn
