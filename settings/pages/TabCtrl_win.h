#pragma once
#include "settings/CommandPage_win.h"
#include "settings/CtrlBindings.h"

namespace pvn {

// "Ctrl+Key": the command of each Ctrl+letter in the menus, a function or a DOS command.
class TabCtrl : public CommandPage {
public:
    TabCtrl();

private:
    void onInit() override;
    void showCustom(const ControlBinding& binding, const SettingsValues& values) override;
    void collectCustom(const ControlBinding& binding, SettingsValues& values) const override;
    void afterShow() override;
    bool onCommand(int id, int code) override;

    // The controls below the list follow the selected key's binding.
    void showSelectedBinding();
    void chooseFunction();
    void takeFieldText();
    void enableCommandField(bool enable);
    void rewriteEntry(int key);

    CtrlBindings m_bindings;
    // Set while the page itself puts a text into the field, which is not the user's edit.
    bool m_showing = false;
};

} // namespace pvn
