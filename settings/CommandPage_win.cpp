#include "settings/CommandPage_win.h"

namespace pvn {

void CommandPage::initCommandControls() {
    m_listFont = createControlFont(L"ＭＳ ゴシック", 9, m_ids.list);
    setTextColor(m_ids.label, kBlue);
    m_field.attach(item(m_ids.field));
    addTooltip(m_ids.list, L"クリックして修正します");
    addTooltip(m_ids.clear, L"「ＤＯＳコマンドの指定」のクリア");
    addTooltip(m_ids.browse, L"「ＤＯＳコマンドの指定」にファイル名を挿入");
    addTooltip(m_ids.field,
               L"%l(エル)は当該フォルダのフルパスに置き換えられて\nＤＯＳコマンドとして実行されます\n"
               L"%s は短いファイル名に変換されて実行されます\n詳しくは ReadMe.htm を見てください",
               10000);
}

bool CommandPage::onCommandButton(int id, int code) {
    if (id == m_ids.clear) {
        if (code == BN_CLICKED)
            m_field.clear();
        return true;
    }
    if (id == m_ids.browse) {
        if (code == BN_CLICKED)
            m_field.browse(m_dialog);
        return true;
    }
    return false;
}

} // namespace pvn
