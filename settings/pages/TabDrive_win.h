#pragma once
#include "settings/DriveProbe_win.h"
#include "settings/Tab_win.h"

#include <string>
#include <vector>

namespace pvn {

// "ドライブメニュー": the drives of the drive menu in their order, or all of them. The drive table
// is taken once when the page is built; its icons live as long as the page.
class TabDrive : public Tab {
public:
    TabDrive();

private:
    void onInit() override;
    void showCustom(const ControlBinding& binding, const SettingsValues& values) override;
    void collectCustom(const ControlBinding& binding, SettingsValues& values) const override;
    void afterShow() override;
    bool onCommand(int id, int code) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::wstring presentLetters() const;
    void fillMenuList(int selection);
    void updateButtons();
    void drawItem(const DRAWITEMSTRUCT& item) const;

    std::vector<DriveRoot> m_drives;
    std::vector<wchar_t> m_letters; // of m_drives, for the item data
    std::wstring m_menu;            // letters of the drive-menu list, in its order
    UniqueIcon m_upIcon;
    UniqueIcon m_downIcon;
};

} // namespace pvn
