#pragma once
// A page whose controls are not built yet: its label is in the list, it shows a note and has no
// values (so it resets and saves nothing).
#include "settings/Tab_win.h"

namespace pvn {

class PlaceholderTab : public Tab {
public:
    explicit PlaceholderTab(SettingPage page);
};

} // namespace pvn
