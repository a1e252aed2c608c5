#include "common/Foreground_win.h"

namespace pvn {

void forceForeground(HWND window) {
    HWND front = GetForegroundWindow();
    if (front == window) {
        SetFocus(window);
        return;
    }
    const DWORD self = GetCurrentThreadId();
    const DWORD frontThread = front ? GetWindowThreadProcessId(front, nullptr) : 0;
    const bool attached = frontThread && frontThread != self && AttachThreadInput(self, frontThread, TRUE);
    SetForegroundWindow(window);
    SetFocus(window);
    if (attached)
        AttachThreadInput(self, frontThread, FALSE);
    // Detaching may leave no window in front at all: then take it directly.
    if (GetForegroundWindow() != window) {
        SetForegroundWindow(window);
        SetFocus(window);
    }
}

} // namespace pvn
