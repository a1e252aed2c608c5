#include "settings/pages/TabRecent_win.h"

#include "settings/FolderListEditor_win.h"
#include "settings/RecentMaintenance_win.h"
#include "settings/SettingsDialog_win.h"
#include "settings/pages/TabRecentIds.h"

namespace pvn {

TabRecent::TabRecent() : Tab(SettingPage::Recent, IDD_TAB_RECENT) {}

void TabRecent::onInit() {
    setTextColor(IDC_RECENT_NOTE, kBlue);
    for (int id : {IDC_RECENT_SORT_BOTTOM, IDC_RECENT_SORT_NAME, IDC_RECENT_SORT_TOP})
        addTooltip(id, L"タスクバーの位置によって上下に変えられる様にしました");
    addTooltip(IDC_RECENT_DEL_NET, L"ネットワーク上のフォルダを開いた履歴を削除します");
    addTooltip(IDC_RECENT_DEL_ALL, L"全ての履歴を削除します");
    addTooltip(IDC_RECENT_DEL_MISSING, L"文字通りです\nネットワーク上のフォルダの履歴はそのままです");
    addTooltip(IDC_RECENT_EDIT, L"最近開いたフォルダとお気に入りフォルダ編集画面に飛びます");
    addTooltip(IDC_RECENT_EXC_FAV, L"履歴の中でお気に入りに登録されている\nフォルダはメニューとして表示しません");
    addTooltip(IDC_RECENT_EXC_RC, L"Removable(FD,MO等),CD-ROM上の\nフォルダはメニューとして表示しません");
}

bool TabRecent::onCommand(int id, int code) {
    if (code != BN_CLICKED)
        return false;
    const std::wstring& list = frame().recentListPath();
    switch (id) {
    case IDC_RECENT_DEL_NET:
        removeNetworkFolders(list, m_dialog);
        return true;
    case IDC_RECENT_DEL_ALL:
        removeAllRecentFolders(list, m_dialog);
        return true;
    case IDC_RECENT_DEL_MISSING:
        removeMissingFolders(list, m_dialog);
        return true;
    case IDC_RECENT_EDIT:
        openFolderListEditor(m_dialog);
        return true;
    default:
        return false;
    }
}

} // namespace pvn
