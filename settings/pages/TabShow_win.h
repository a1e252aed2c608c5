#pragma once
#include "settings/Tab_win.h"

namespace pvn {

// "メニュー表示": overflow, hidden files, placement, folder icons, order.
class TabShow : public Tab {
public:
    TabShow();

private:
    void onInit() override;
};

} // namespace pvn
