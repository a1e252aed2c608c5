#include "settings/pages/TabCtrl_win.h"

#include "settings/ListBoxEntries_win.h"
#include "settings/pages/TabCtrlIds.h"

namespace pvn {
namespace {

std::size_t keyOf(const ControlBinding& binding) {
    return static_cast<std::size_t>(static_cast<int>(binding.setting) - static_cast<int>(SettingId::CtrlA));
}

} // namespace

TabCtrl::TabCtrl()
    : CommandPage(
          SettingPage::Ctrl, IDD_TAB_CTRL,
          {IDC_CTRL_LIST, IDC_CTRL_COMMAND_LABEL, IDC_CTRL_COMMAND, IDC_CTRL_CLEAR, IDC_CTRL_BROWSE}) {}

void TabCtrl::onInit() {
    setTextColor(IDC_CTRL_FUNCTION_LABEL, kBlue);
    for (const CtrlKeyword& keyword : ctrlKeywords())
        SendDlgItemMessageW(m_dialog, IDC_CTRL_FUNCTION, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(std::wstring(keyword.displayName).c_str()));
    initCommandControls();
}

void TabCtrl::showCustom(const ControlBinding& binding, const SettingsValues& values) {
    m_bindings.assignStored(keyOf(binding), values.text(binding.setting).value_or(L""));
}

void TabCtrl::collectCustom(const ControlBinding& binding, SettingsValues& values) const {
    values.setText(binding.setting, m_bindings.storedValue(keyOf(binding)));
}

void TabCtrl::afterShow() {
    HWND list = item(IDC_CTRL_LIST);
    const int selected = selectedListEntry(list);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (std::size_t key = 0; key < CtrlBindings::kKeyCount; ++key)
        appendListEntry(list, m_bindings.listText(key));
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    showSelectedBinding();
}

bool TabCtrl::onCommand(int id, int code) {
    if (onCommandButton(id, code))
        return true;
    switch (id) {
    case IDC_CTRL_LIST:
        if (code == LBN_SELCHANGE)
            showSelectedBinding();
        return true;
    case IDC_CTRL_FUNCTION:
        if (code == CBN_SELCHANGE)
            chooseFunction();
        return true;
    case IDC_CTRL_COMMAND:
        if (code == EN_CHANGE && !m_showing)
            takeFieldText();
        return true;
    case IDC_CTRL_RESET:
        if (code == BN_CLICKED)
            ResetToInstall();
        return true;
    default:
        return false;
    }
}

void TabCtrl::showSelectedBinding() {
    const int key = selectedListEntry(item(IDC_CTRL_LIST));
    EnableWindow(item(IDC_CTRL_FUNCTION_LABEL), key >= 0);
    EnableWindow(item(IDC_CTRL_FUNCTION), key >= 0);
    if (key < 0) {
        SendDlgItemMessageW(m_dialog, IDC_CTRL_FUNCTION, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        enableCommandField(false);
        return;
    }
    // The binding itself decides, not the entry's text: a command line that reads like a
    // function's name is still a command line.
    const CtrlBinding& binding = m_bindings.binding(static_cast<std::size_t>(key));
    SendDlgItemMessageW(m_dialog, IDC_CTRL_FUNCTION, CB_SETCURSEL, binding.keyword, 0);
    m_showing = true;
    SetWindowTextW(m_field.window(), binding.commandLine.c_str());
    m_showing = false;
    enableCommandField(binding.keyword == kCtrlOpenExe);
}

void TabCtrl::chooseFunction() {
    const int key = selectedListEntry(item(IDC_CTRL_LIST));
    const LRESULT chosen = SendDlgItemMessageW(m_dialog, IDC_CTRL_FUNCTION, CB_GETCURSEL, 0, 0);
    if (key < 0 || chosen == CB_ERR)
        return;
    const auto keyword = static_cast<std::size_t>(chosen);
    if (keyword == kCtrlOpenExe) {
        // The DOS command takes over at once, with whatever the field holds (empty: nothing runs).
        m_bindings.bindCommandLine(static_cast<std::size_t>(key), m_field.text());
        enableCommandField(true);
    } else {
        m_showing = true;
        m_field.clear();
        m_showing = false;
        m_bindings.bindKeyword(static_cast<std::size_t>(key), keyword);
        enableCommandField(false);
    }
    rewriteEntry(key);
}

void TabCtrl::takeFieldText() {
    const int key = selectedListEntry(item(IDC_CTRL_LIST));
    const LRESULT chosen = SendDlgItemMessageW(m_dialog, IDC_CTRL_FUNCTION, CB_GETCURSEL, 0, 0);
    if (key < 0 || chosen != static_cast<LRESULT>(kCtrlOpenExe))
        return;
    m_bindings.bindCommandLine(static_cast<std::size_t>(key), m_field.text());
    rewriteEntry(key);
}

void TabCtrl::enableCommandField(bool enable) {
    for (int id : {IDC_CTRL_COMMAND_LABEL, IDC_CTRL_COMMAND, IDC_CTRL_CLEAR, IDC_CTRL_BROWSE})
        EnableWindow(item(id), enable);
}

void TabCtrl::rewriteEntry(int key) {
    replaceListEntry(item(IDC_CTRL_LIST), key, m_bindings.listText(static_cast<std::size_t>(key)));
}

} // namespace pvn
