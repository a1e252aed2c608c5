#pragma once
#include "settings/Tab_win.h"

namespace pvn {

// "その他": closing the folder one came from, tooltips, single-click folders, the context-menu
// entries, and the environment report.
class TabOther : public Tab {
public:
    TabOther();

private:
    void onInit() override;
    bool onCommand(int id, int code) override;
    void writeEnvironmentReport();
};

} // namespace pvn
