#include "settings/pages/TabFavorites_win.h"

#include "settings/FolderListEditor_win.h"
#include "settings/pages/TabFavoritesIds.h"

namespace pvn {

TabFavorites::TabFavorites() : Tab(SettingPage::Favorites, IDD_TAB_FAVORITES) {}

void TabFavorites::onInit() {
    m_labelFont1 = createControlFont(L"ＭＳ ゴシック", 9, IDC_FAV_LABEL1);
    m_labelFont2 = createControlFont(L"ＭＳ ゴシック", 9, IDC_FAV_LABEL2);
    addTooltip(IDC_FAV_EDIT, L"最近開いたフォルダとお気に入りフォルダ編集画面に飛びます");
}

void TabFavorites::afterShow() {
    setClickLabels();
}

bool TabFavorites::onCommand(int id, int code) {
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_FAV_SWAP) {
        setClickLabels();
        return true;
    }
    if (id == IDC_FAV_EDIT) {
        openFolderListEditor(m_dialog);
        return true;
    }
    return false;
}

void TabFavorites::setClickLabels() {
    const bool swapped = IsDlgButtonChecked(m_dialog, IDC_FAV_SWAP) == BST_CHECKED;
    SetDlgItemTextW(m_dialog, IDC_FAV_LABEL1,
                    swapped ? L"お気に入りフォルダ：左クリック" : L"お気に入りフォルダ：Shift+左クリック");
    SetDlgItemTextW(m_dialog, IDC_FAV_LABEL2,
                    swapped ? L"最近開いたフォルダ：Shift+左クリック" : L"最近開いたフォルダ：左クリック");
}

} // namespace pvn
