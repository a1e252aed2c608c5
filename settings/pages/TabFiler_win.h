#pragma once
#include "settings/CommandPage_win.h"
#include "settings/FilerCommands.h"

namespace pvn {

// "ファイラ等起動": the command lines that open a folder instead of Explorer, with no modifier key,
// with Shift and with Ctrl.
class TabFiler : public CommandPage {
public:
    TabFiler();

private:
    void onInit() override;
    void showCustom(const ControlBinding& binding, const SettingsValues& values) override;
    void collectCustom(const ControlBinding& binding, SettingsValues& values) const override;
    void afterShow() override;
    bool onCommand(int id, int code) override;

    void selectEntry();
    void takeFieldText();

    FilerCommands m_commands;
};

} // namespace pvn
