#pragma once
#include <windows.h>

namespace pvn {

// The small icon of the Network folder, loaded once for the whole process and shared by every
// folder list for network entries; no list may destroy it. Null when the shell has none.
HICON networkIcon();

} // namespace pvn
