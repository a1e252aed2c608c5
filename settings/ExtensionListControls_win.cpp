#include "settings/ExtensionListControls_win.h"

#include "common/ErrorBox_win.h"
#include "common/Settings_win.h"

namespace pvn {

std::wstring ExtensionListControls::lowerCase(std::wstring_view text) {
    return lowerCaseText(text);
}

void ExtensionListControls::attach(HWND page) {
    m_page = page;
    // An entry is at most 259 characters.
    SendDlgItemMessageW(page, m_ids.edit, EM_LIMITTEXT, 259, 0);
}

void ExtensionListControls::assignStored(std::wstring_view stored) {
    m_list.assignStored(stored);
    fill();
}

bool ExtensionListControls::onCommand(int id, int code) {
    if (id == m_ids.edit && code == EN_CHANGE) {
        updateButtons();
    } else if (id == m_ids.list && code == LBN_SELCHANGE) {
        updateButtons();
    } else if (id == m_ids.add && code == BN_CLICKED) {
        add();
    } else if (id == m_ids.remove && code == BN_CLICKED) {
        removeSelected();
    } else {
        return id == m_ids.list || id == m_ids.edit || id == m_ids.add || id == m_ids.remove;
    }
    return true;
}

void ExtensionListControls::add() {
    HWND edit = GetDlgItem(m_page, m_ids.edit);
    std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    typed.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, typed.data(), static_cast<int>(typed.size()))));
    switch (m_list.add(typed)) {
    case ExtensionList::AddResult::Duplicate:
        showMessage(L"既に登録済みの拡張子です", m_page);
        return;
    case ExtensionList::AddResult::Empty:
        return;
    case ExtensionList::AddResult::Added:
        SendDlgItemMessageW(m_page, m_ids.list, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(m_list.entries().back().c_str()));
        SetWindowTextW(edit, L"");
        updateButtons();
        return;
    }
}

void ExtensionListControls::removeSelected() {
    LRESULT selected = SendDlgItemMessageW(m_page, m_ids.list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    m_list.remove(static_cast<std::size_t>(selected));
    SendDlgItemMessageW(m_page, m_ids.list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    updateButtons();
}

void ExtensionListControls::fill() {
    SendDlgItemMessageW(m_page, m_ids.list, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& entry : m_list.entries())
        SendDlgItemMessageW(m_page, m_ids.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    updateButtons();
}

void ExtensionListControls::updateButtons() {
    EnableWindow(GetDlgItem(m_page, m_ids.add), GetWindowTextLengthW(GetDlgItem(m_page, m_ids.edit)) > 0);
    EnableWindow(GetDlgItem(m_page, m_ids.remove),
                 SendDlgItemMessageW(m_page, m_ids.list, LB_GETCURSEL, 0, 0) != LB_ERR);
}

} // namespace pvn
