#pragma once
#include "settings/Tab_win.h"

namespace pvn {

// "ファイル操作メニュー": what follows a rename, and a copy, move or shortcut. Bindings only.
class TabFileOpe : public Tab {
public:
    TabFileOpe();
};

} // namespace pvn
