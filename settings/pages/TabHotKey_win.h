#pragma once
#include "settings/Tab_win.h"

namespace pvn {

// "ホットキー": six hot-key controls. While the page lives the tray's hot keys are off, so that
// their combinations can be typed into the controls; the destructor (after the save) has the tray
// take them again.
class TabHotKey : public Tab {
public:
    TabHotKey();
    ~TabHotKey() override;

private:
    void onInit() override;
    void afterShow() override;

    bool m_released = false;
};

} // namespace pvn
