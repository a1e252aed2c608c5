#pragma once
// The four fields of a shell link, read through IShellLinkW.
#include "tray/preview/ShortcutInfo.h"

#include <optional>

namespace pvn {

// Nothing when the link cannot be created or loaded. COM must be initialised on the thread.
std::optional<ShortcutFields> readShortcut(const std::wstring& path);

} // namespace pvn
