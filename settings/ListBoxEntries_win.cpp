#include "settings/ListBoxEntries_win.h"

namespace pvn {

void appendListEntry(HWND list, const std::wstring& text) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void replaceListEntry(HWND list, int index, const std::wstring& text) {
    const int selected = selectedListEntry(list);
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int selectedListEntry(HWND list) {
    const LRESULT at = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return at == LB_ERR ? -1 : static_cast<int>(at);
}

} // namespace pvn
