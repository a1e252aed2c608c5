#pragma once
// The base of the two pages that edit command lines ("ファイラ等起動" and "Ctrl+Key"): a list of
// entries in a fixed-pitch font, and below it the DOS command field with "クリア" and "参照...".
#include "settings/CommandField_win.h"
#include "settings/Tab_win.h"

namespace pvn {

class CommandPage : public Tab {
protected:
    struct CommandIds {
        int list;
        int label;
        int field;
        int clear;
        int browse;
    };

    CommandPage(SettingPage page, int dialogId, CommandIds ids) : Tab(page, dialogId), m_ids(ids) {}

    // From onInit: the list's font, the blue label, the field's drop target and the tooltips.
    void initCommandControls();
    // "クリア" and "参照..."; true when it was one of them.
    bool onCommandButton(int id, int code);

    CommandField m_field;

private:
    CommandIds m_ids;
    UniqueFont m_listFont;
};

} // namespace pvn
