#pragma once
// The sixteen pages of the settings dialog in list order.
#include "settings/Tab_win.h"

#include <memory>

namespace pvn {

// The page object for list index n (SettingPage), not yet created (Tab::create is the init step).
std::unique_ptr<Tab> makeSettingsPage(SettingPage page);

} // namespace pvn
