#include "common/MessagePump_win.h"

#include "common/ErrorBox_win.h"

namespace pvn {

bool dispatchPendingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

int messageLoop(HWND dialog) {
    MSG msg{};
    BOOL r;
    while ((r = GetMessageW(&msg, nullptr, 0, 0)) != 0 && r != -1) {
        if (dialog && IsDialogMessageW(dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool insertSeparator(HMENU menu, int position) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    item.fType = MFT_SEPARATOR;
    item.wID = kSeparatorId;
    wchar_t dash[] = L"-";
    item.dwTypeData = dash;
    UINT at = position < 0 ? static_cast<UINT>(GetMenuItemCount(menu)) : static_cast<UINT>(position);
    return check(InsertMenuItemW(menu, at, TRUE, &item), "Make_Separator");
}

} // namespace pvn
