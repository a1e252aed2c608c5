#include "settings/pages/TabOpen_win.h"

#include "common/ErrorBox_win.h"
#include "settings/SettingsDialog_win.h"
#include "settings/ShellVerbs_win.h"
#include "settings/pages/TabOpenIds.h"

namespace pvn {

TabOpen::TabOpen() : Tab(SettingPage::Open, IDD_TAB_OPEN) {}

void TabOpen::onInit() {
    setTextColor(IDC_OPEN_EXPLANATION, kBlue);
    setTextColor(IDC_OPEN_DRIVES_NOTE, kDarkRed);
    addTooltip(IDC_OPEN_START_TYPE,
               L"フォルダ・ファイルメニューの起動方法を選択します\n"
               L"PVNMain.exe の直接起動のみ：ショートカット等から PVNMain.exe を起動した時だけメニューが出ます\n"
               L"右クリック後[Parvane(A)]選択：ドライブ・フォルダの右クリックメニューから選ぶとメニューが出ます\n"
               L"(ダブル)クリック：ドライブ・フォルダを(ダブル)クリックするとメニューが出ます",
               20000);
    addTooltip(IDC_OPEN_BOTTOM, L"チェックしておくと最下位のフォルダは\nフォルダ・ファイルメニューが現れずに普通に開きます");
    addTooltip(IDC_OPEN_NET, L"チェックしておくとネットワーク上のフォルダは\n"
                             L"フォルダ・ファイルメニューが現れずに普通に開きます\n"
                             L"起動が遅い場合もあるので１段１段あける設定を作りました");
    addTooltip(IDC_OPEN_DRIVES,
               L"ドライブによってはメニュー起動が遅い場合もあるので設定を作りました\n"
               L"ドライブメニューに載せたドライブだけがメニュー起動の対象になります\n"
               L"「ドライブメニュー」の設定画面に飛びます",
               20000);
    const wchar_t* keys = L"指定のキーを押しながら(押さないで)\nドライブ・フォルダの(ダブル)クリックをした場合\n"
                          L"そのドライブ・フォルダが普通に開きます";
    for (int id : {IDC_OPEN_KEY_LABEL, IDC_OPEN_PUSH, IDC_OPEN_KEY})
        addTooltip(id, keys);
}

std::uint32_t TabOpen::shownStartType() const {
    const LRESULT at = SendDlgItemMessageW(m_dialog, IDC_OPEN_START_TYPE, CB_GETCURSEL, 0, 0);
    return at == CB_ERR ? 0 : static_cast<std::uint32_t>(at);
}

void TabOpen::afterShow() {
    // The first showing is the construction: what the registration shows now is what a save compares with.
    if (!m_shown) {
        m_startTypeAtStart = shownStartType();
        m_shown = true;
    }
    enableConditions();
}

void TabOpen::enableConditions() {
    const bool doubleClick = shownStartType() == 2;
    for (int id = IDC_OPEN_EXPLANATION; id <= IDC_OPEN_KEY; ++id)
        EnableWindow(item(id), doubleClick);
}

bool TabOpen::onCommand(int id, int code) {
    if (id == IDC_OPEN_START_TYPE && code == CBN_SELCHANGE) {
        enableConditions();
        return true;
    }
    if (id == IDC_OPEN_DRIVES && code == BN_CLICKED) {
        frame().goToPage(static_cast<int>(SettingPage::Drive));
        return true;
    }
    return false;
}

void TabOpen::ResetToInstall() {
    Tab::ResetToInstall();
    const int current = frame().currentPage();
    frame().goToPage(static_cast<int>(page()));
    askUser(L"ドライブ・フォルダの（ダブル）クリックでメニュー起動にしました。\n"
            L"右クリックからメニュー起動をする方法も試してください。",
            MB_OK | MB_ICONINFORMATION, frame().window());
    frame().goToPage(current);
}

bool TabOpen::Save(RegKey& key) {
    const std::uint32_t startType = shownStartType();
    if (startType != m_startTypeAtStart) {
        if (registerVerbs(startType, frame().installFolder(), frame().window())) {
            m_startTypeAtStart = startType;
        } else {
            // StartType keeps telling what the shell registration does.
            SendDlgItemMessageW(m_dialog, IDC_OPEN_START_TYPE, CB_SETCURSEL, m_startTypeAtStart, 0);
            enableConditions();
        }
    }
    return Tab::Save(key);
}

} // namespace pvn
