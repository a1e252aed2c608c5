#include "settings/pages/TabTTTxt_win.h"

#include "settings/pages/TabTTTxtIds.h"

namespace pvn {

TabTTTxt::TabTTTxt()
    : Tab(SettingPage::TTTxt, IDD_TAB_TTTXT),
      m_extensions({IDC_TTTXT_EXT_LIST, IDC_TTTXT_EXT_EDIT, IDC_TTTXT_EXT_ADD, IDC_TTTXT_EXT_DELETE}) {}

void TabTTTxt::onInit() {
    m_extensions.attach(m_dialog);
    addTooltip(IDC_TTTXT_EXT_LIST, L"選択すると削除ボタンが現れます");
    addTooltip(IDC_TTTXT_EXT_EDIT, L"入力すると追加ボタンが現れます");
    addTooltip(IDC_TTTXT_TAB, L"タブにより何文字分飛ばすかを指定します");
    addTooltip(IDC_TTTXT_FONT, L"テキスト表示のフォントを指定します");
}

void TabTTTxt::showCustom(const ControlBinding& binding, const SettingsValues& values) {
    if (binding.setting == SettingId::AsTextExtList)
        m_extensions.assignStored(values.text(binding.setting).value_or(L""));
    else if (binding.setting == SettingId::TTFName)
        m_font.face = values.text(binding.setting).value_or(L"");
    else if (binding.setting == SettingId::TTFPoint10)
        m_font.point10 = values.number(binding.setting).value_or(0);
}

void TabTTTxt::collectCustom(const ControlBinding& binding, SettingsValues& values) const {
    if (binding.setting == SettingId::AsTextExtList)
        values.setText(binding.setting, m_extensions.joined());
    else if (binding.setting == SettingId::TTFName)
        values.setText(binding.setting, m_font.face);
    else if (binding.setting == SettingId::TTFPoint10)
        values.setNumber(binding.setting, m_font.point10);
}

bool TabTTTxt::onCommand(int id, int code) {
    if (m_extensions.onCommand(id, code))
        return true;
    if (id != IDC_TTTXT_FONT || code != BN_CLICKED)
        return false;
    // Only the face and the size of the choice are kept.
    if (auto chosen = chooseTextFont(m_dialog, m_font))
        m_font = *chosen;
    return true;
}

} // namespace pvn
