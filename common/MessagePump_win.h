#pragma once
#include <windows.h>

namespace pvn {

// Translates and dispatches what is queued. A WM_QUIT found here is posted again and ends the
// dispatch, so that a close requested during start-up still ends the program; returns false then.
bool dispatchPendingMessages();
// GetMessageW until WM_QUIT (or an error), offering each message to the dialog first; the quit code.
int messageLoop(HWND dialog = nullptr);
// An ordinary separator (identifier 0xFFFF, text "-") at the position, or appended with -1.
bool insertSeparator(HMENU menu, int position = -1);

inline constexpr UINT kSeparatorId = 0xFFFF;

} // namespace pvn
