#pragma once
#include "settings/Tab_win.h"

namespace pvn {

// "特別": the tray ends itself when Windows asks whether the session may end.
class TabSpecial : public Tab {
public:
    TabSpecial();

private:
    void onInit() override;
};

} // namespace pvn
