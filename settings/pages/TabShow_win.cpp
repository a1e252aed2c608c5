#include "settings/pages/TabShow_win.h"

#include "settings/pages/TabShowIds.h"

namespace pvn {

TabShow::TabShow() : Tab(SettingPage::Show, IDD_TAB_SHOW) {}

void TabShow::onInit() {
    addTooltip(IDC_SHOW_OVERFLOW_SCROLL, L"これを選択した場合メニューは一列で上下に矢印が出てきます");
    addTooltip(IDC_SHOW_POS_FIX, L"フォルダ・ファイルメニュー表示時\nマウスカーソルが左上に飛びそこからメニューが表示されます\n"
                                 L"メニューが右下方向に広がるのでこのオプションを作ってみました");
    addTooltip(IDC_SHOW_OPEN_SHIFT, L"ドライブ・フォルダを（ダブル）クリック時\nそのフォルダを開きやすくします\n"
                                    L"メニューが少しだけ左上に出ます");
    addTooltip(IDC_SHOW_FOLDER_ICON,
               L"フォルダ・ファイルメニュー、最近開いたフォルダメニュー等表示時\nフォルダのアイコンを表示します\n"
               L"フォルダのアイコンがいっぱいで煩わしい時お使いください");
    const wchar_t* order = L"フォルダ・ファイルメニューの表示順序で\n名前順、更新日時順、拡張子順が選べます";
    addTooltip(IDC_SHOW_ORDER_LABEL, order);
    addTooltip(IDC_SHOW_ORDER, order);
}

} // namespace pvn
