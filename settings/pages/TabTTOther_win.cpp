#include "settings/pages/TabTTOther_win.h"

#include "settings/pages/TabTTOtherIds.h"

namespace pvn {

TabTTOther::TabTTOther()
    : Tab(SettingPage::TTOther, IDD_TAB_TTOTHER),
      m_extensions(
          {IDC_TTOTHER_EXT_LIST, IDC_TTOTHER_EXT_EDIT, IDC_TTOTHER_EXT_ADD, IDC_TTOTHER_EXT_DELETE}) {}

void TabTTOther::onInit() {
    m_extensions.attach(m_dialog);
    m_numberFont = createControlFont(L"ＭＳ ゴシック", 11, IDC_TTOTHER_HEIGHT);
    for (int field : {IDC_TTOTHER_WIDTH, IDC_TTOTHER_FILE_SIZE})
        SendDlgItemMessageW(m_dialog, field, WM_SETFONT, reinterpret_cast<WPARAM>(m_numberFont.get()), TRUE);
    for (int id : {IDC_TTOTHER_FILE_SIZE, IDC_TTOTHER_FILE_SIZE_SPIN, IDC_TTOTHER_FILE_SIZE_LABEL})
        addTooltip(id, L"画像・動画でこのファイルサイズ以上の場合「ファイルが大きすぎます」と出ます");
    addTooltip(IDC_TTOTHER_EXT_LIST, L"選択すると削除ボタンが現れます");
    addTooltip(IDC_TTOTHER_EXT_EDIT, L"入力すると追加ボタンが現れます");
}

void TabTTOther::showCustom(const ControlBinding& binding, const SettingsValues& values) {
    m_extensions.assignStored(values.text(binding.setting).value_or(L""));
}

void TabTTOther::collectCustom(const ControlBinding& binding, SettingsValues& values) const {
    values.setText(binding.setting, m_extensions.joined());
}

} // namespace pvn
