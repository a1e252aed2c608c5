#pragma once
#include "settings/Tab_win.h"

namespace pvn {

// "最近開いたフォルダ": the recent menu's order and exclusions; its list buttons change the recent
// list at once, whatever OK or ｷｬﾝｾﾙ does later.
class TabRecent : public Tab {
public:
    TabRecent();

private:
    void onInit() override;
    bool onCommand(int id, int code) override;
};

} // namespace pvn
