#include "settings/pages/TabFiler_win.h"

#include "settings/ListBoxEntries_win.h"
#include "settings/pages/TabFilerIds.h"

namespace pvn {
namespace {

std::size_t entryOf(const ControlBinding& binding) {
    return static_cast<std::size_t>(static_cast<int>(binding.setting) - static_cast<int>(SettingId::Filer0));
}

} // namespace

TabFiler::TabFiler()
    : CommandPage(
          SettingPage::Filer, IDD_TAB_FILER,
          {IDC_FILER_LIST, IDC_FILER_COMMAND_LABEL, IDC_FILER_COMMAND, IDC_FILER_CLEAR, IDC_FILER_BROWSE}) {}

void TabFiler::onInit() {
    setTextColor(IDC_FILER_EXPLANATION, kBlue);
    initCommandControls();
}

void TabFiler::showCustom(const ControlBinding& binding, const SettingsValues& values) {
    m_commands.commandLines[entryOf(binding)] = values.text(binding.setting).value_or(L"");
}

void TabFiler::collectCustom(const ControlBinding& binding, SettingsValues& values) const {
    values.setText(binding.setting, m_commands.commandLines[entryOf(binding)]);
}

void TabFiler::afterShow() {
    HWND list = item(IDC_FILER_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < FilerCommands::kCount; ++i)
        appendListEntry(list, m_commands.listText(i));
    // Nothing selected: the field has no entry to edit.
    SetWindowTextW(m_field.window(), L"");
    EnableWindow(m_field.window(), FALSE);
}

bool TabFiler::onCommand(int id, int code) {
    if (onCommandButton(id, code))
        return true;
    switch (id) {
    case IDC_FILER_LIST:
        if (code == LBN_SELCHANGE)
            selectEntry();
        return true;
    case IDC_FILER_COMMAND:
        if (code == EN_CHANGE)
            takeFieldText();
        return true;
    default:
        return false;
    }
}

void TabFiler::selectEntry() {
    const int entry = selectedListEntry(item(IDC_FILER_LIST));
    if (entry < 0)
        return;
    EnableWindow(m_field.window(), TRUE);
    SetWindowTextW(m_field.window(), m_commands.commandLines[static_cast<std::size_t>(entry)].c_str());
}

void TabFiler::takeFieldText() {
    const int entry = selectedListEntry(item(IDC_FILER_LIST));
    if (entry < 0)
        return;
    m_commands.commandLines[static_cast<std::size_t>(entry)] = m_field.text();
    replaceListEntry(item(IDC_FILER_LIST), entry, m_commands.listText(static_cast<std::size_t>(entry)));
}

} // namespace pvn
