#include "settings/pages/TabHotKey_win.h"

#include "common/RequestCode.h"
#include "settings/SettingsDialog_win.h"
#include "settings/pages/TabHotKeyIds.h"

namespace pvn {

TabHotKey::TabHotKey() : Tab(SettingPage::HotKey, IDD_TAB_HOTKEY) {}

TabHotKey::~TabHotKey() {
    if (m_released)
        frame().sendToTray(toWParam(RequestCode::HotKeys), 1);
}

void TabHotKey::onInit() {
    addTooltip(IDC_HK_DRV_LABEL, L"ドライブメニューから始まるメニュー");
    addTooltip(IDC_HK_LASTMENU_LABEL, L"最後に表示したメニュー");
    for (int id : {IDC_HK_DRV, IDC_HK_REC, IDC_HK_FAV, IDC_HK_LAST, IDC_HK_LASTMENU, IDC_HK_MYDOC})
        addTooltip(id, L"ホットキーにしたいキーを入力してください");
}

void TabHotKey::afterShow() {
    // The first showing is the construction: the stored keys are in the controls now.
    if (m_released)
        return;
    frame().sendToTray(toWParam(RequestCode::HotKeys), 0);
    m_released = true;
}

} // namespace pvn
