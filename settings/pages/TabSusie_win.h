#pragma once
#include "common/SusiePlugins_win.h"
#include "settings/Tab_win.h"

#include <vector>

namespace pvn {

// "Susie Plug-in": the plug-in folder with the plug-ins found there (their information, about box
// and settings), and whether the plug-ins' own preview is preferred.
class TabSusie : public Tab {
public:
    TabSusie();

private:
    void onInit() override;
    void showCustom(const ControlBinding& binding, const SettingsValues& values) override;
    void collectCustom(const ControlBinding& binding, SettingsValues& values) const override;
    void afterShow() override { rebuildList(); }
    bool onCommand(int id, int code) override;

    // The plug-ins of the folder in the field, replacing (and unloading) the previous ones.
    void rebuildList();
    void updateButtons();
    void browse();
    void showInformation();
    // ConfigurationDlg with function 0 (about) or 1 (settings), or the message that it is missing.
    void configure(int function);
    const SusiePlugin* selectedPlugin() const;

    std::vector<SusiePlugin> m_plugins;
};

} // namespace pvn
