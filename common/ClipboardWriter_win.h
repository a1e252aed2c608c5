#pragma once
#include <windows.h>

#include <string>

namespace pvn {

// Puts the text on the clipboard as CF_UNICODETEXT. The clipboard is opened by a message-only window
// of the caller's process: opened without an owner, EmptyClipboard leaves it ownerless and Windows
// then refuses SetClipboardData. A block the clipboard did not take is freed. Failures of the
// clipboard calls are reported in the common box; false when nothing was copied.
bool copyTextToClipboard(const std::wstring& text);

} // namespace pvn
