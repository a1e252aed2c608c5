#pragma once
// The extension list of a preview page on screen: its list box, the edit field for a new
// extension and the "追加(&A)" and "削除(&D)" buttons, each enabled only while it can act.
#include "settings/ExtensionList.h"

#include <windows.h>

namespace pvn {

class ExtensionListControls {
public:
    struct Ids {
        int list;
        int edit;
        int add;
        int remove;
    };

    ExtensionListControls(Ids ids) : m_ids(ids), m_list(lowerCase) {}

    // Takes the page's controls.
    void attach(HWND page);
    void assignStored(std::wstring_view stored);
    // WM_COMMAND of the page; true when it was one of these controls.
    bool onCommand(int id, int code);
    std::wstring joined() const { return m_list.joined(); }

private:
    static std::wstring lowerCase(std::wstring_view text);
    void add();
    void removeSelected();
    void fill();
    void updateButtons();

    Ids m_ids;
    ExtensionList m_list;
    HWND m_page = nullptr;
};

} // namespace pvn
