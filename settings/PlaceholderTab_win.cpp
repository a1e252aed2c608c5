#include "settings/PlaceholderTab_win.h"

#include "settings/res/PlaceholderIds.h"

namespace pvn {

PlaceholderTab::PlaceholderTab(SettingPage page) : Tab(page, IDD_TAB_PLACEHOLDER) {}

} // namespace pvn
