#include "settings/pages/TabSpecial_win.h"

#include "settings/pages/TabSpecialIds.h"

namespace pvn {

TabSpecial::TabSpecial() : Tab(SettingPage::Special, IDD_TAB_SPECIAL) {}

void TabSpecial::onInit() {
    setTextColor(IDC_SPECIAL_NOTE, kDarkRed);
    const wchar_t* tip = L"文字通りです\n通常「特別」の設定項目はトラブルが無い限り\nインストール時のままにしてください";
    addTooltip(IDC_SPECIAL_QES, tip);
    addTooltip(IDC_SPECIAL_NOTE, tip);
}

} // namespace pvn
