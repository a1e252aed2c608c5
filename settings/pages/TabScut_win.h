#pragma once
#include "settings/Tab_win.h"

namespace pvn {

// "ショートカット作成": re-creates the installation's shortcuts; no settings of its own.
class TabScut : public Tab {
public:
    TabScut();

private:
    void onInit() override;
    bool onCommand(int id, int code) override;
};

} // namespace pvn
