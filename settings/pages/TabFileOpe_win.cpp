#include "settings/pages/TabFileOpe_win.h"

#include "settings/pages/TabFileOpeIds.h"

namespace pvn {

TabFileOpe::TabFileOpe() : Tab(SettingPage::FileOpe, IDD_TAB_FILEOPE) {}

} // namespace pvn
