#include "common/ClipboardWriter_win.h"

#include "common/ErrorBox_win.h"
#include "common/Handle_win.h"

#include <cstring>

namespace pvn {
namespace {

UniqueGlobal textBlock(const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes));
    if (!block)
        return block;
    ScopedGlobalLock<wchar_t> data(block.get());
    if (!data) {
        block.reset();
        return block;
    }
    std::memcpy(data.get(), text.c_str(), bytes);
    return block;
}

// Another program may hold the clipboard for a moment (clipboard viewers read every change).
bool openClipboard(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(20);
    }
    return false;
}

} // namespace

bool copyTextToClipboard(const std::wstring& text) {
    // Allocation failure: nothing is copied, and nothing is said.
    UniqueGlobal block = textBlock(text);
    if (!block)
        return false;
    UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
    if (!owner) {
        reportLastError("CreateWindowEx");
        return false;
    }
    if (!openClipboard(owner.get())) {
        reportLastError("OpenClipboard");
        return false;
    }
    // Boxes wait until the clipboard is closed again: a box shown while it is open would keep every
    // other program from it.
    const char* failed = nullptr;
    DWORD error = 0;
    if (!EmptyClipboard()) {
        failed = "EmptyClipboard";
        error = GetLastError();
    } else if (SetClipboardData(CF_UNICODETEXT, block.get())) {
        block.release(); // the clipboard owns it now
    } else {
        failed = "SetClipboardData";
        error = GetLastError();
    }
    CloseClipboard();
    if (failed) {
        showMessage(formatErrorCode(failed, error));
        return false;
    }
    return true;
}

} // namespace pvn
