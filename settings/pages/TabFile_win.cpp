#include "settings/pages/TabFile_win.h"

#include "common/ErrorBox_win.h"
#include "settings/SettingsDialog_win.h"
#include "settings/pages/TabFileIds.h"

#include <commctrl.h>

namespace pvn {

TabFile::TabFile() : Tab(SettingPage::File, IDD_TAB_FILE) {}

void TabFile::onInit() {
    m_numberFont = createControlFont(L"ＭＳ ゴシック", 14, IDC_FILE_NUM);
    setTextColor(IDC_FILE_NOTE1, kBlue);
    setTextColor(IDC_FILE_NOTE2, kBlue);
    const wchar_t* number = L"フォルダ・ファイルメニュー表示に\n時間がかかる場合はこれで調節してください";
    addTooltip(IDC_FILE_NUM, number);
    addTooltip(IDC_FILE_NUM_SPIN, number);
    const wchar_t* note = L"その場合はフォルダを開けてからアクセスしてください";
    addTooltip(IDC_FILE_NOTE1, note);
    addTooltip(IDC_FILE_NOTE2, note);
    addTooltip(IDC_FILE_UPSIDE, L"通常のフォルダ・ファイルメニューはフォルダ⇒ファイルの順序ですが\n"
                                L"チェックするとファイル⇒フォルダの順序になります");
    addTooltip(IDC_FILE_HISTORY, L"チェックするとメニュー選択による起動、コンテキストメニュー表示時に\n"
                                 L"そのファイルを含むフォルダの履歴を取ります");
    addTooltip(IDC_FILE_TOGETHER, L"出すメニュー項目を少なくするため作りました");
}

bool TabFile::Validate() {
    BOOL failed = FALSE;
    const LRESULT pos = SendDlgItemMessageW(m_dialog, IDC_FILE_NUM_SPIN, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
    if (!failed && pos >= 10 && pos <= 999)
        return true;
    frame().goToPage(static_cast<int>(page()));
    SetFocus(item(IDC_FILE_NUM));
    SendDlgItemMessageW(m_dialog, IDC_FILE_NUM, EM_SETSEL, 0, -1);
    showMessage(L"障害があるので無制限の指定はできません", frame().window());
    return false;
}

} // namespace pvn
