#pragma once
#include "settings/Tab_win.h"

namespace pvn {

// "お気に入りフォルダ": the tray icon's clicks, whose labels follow the check, and the name shown.
class TabFavorites : public Tab {
public:
    TabFavorites();

private:
    void onInit() override;
    void afterShow() override;
    bool onCommand(int id, int code) override;
    void setClickLabels();

    UniqueFont m_labelFont1;
    UniqueFont m_labelFont2;
};

} // namespace pvn
