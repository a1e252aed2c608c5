#include "common/RequestMessage_win.h"

#include <atomic>
#include <cwchar>
#include <iterator>

namespace pvn {

UINT requestMessage() {
    static std::atomic<UINT> id{0};
    UINT current = id.load();
    if (current == 0) {
        current = RegisterWindowMessageW(kRequestMessageName);
        id.store(current);
    }
    return current;
}

bool isTrayWindow(HWND window) {
    if (!window)
        return false;
    wchar_t name[64] = {};
    const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return length > 0 && std::wcscmp(name, kTrayWindowClass) == 0;
}

} // namespace pvn
