#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabDriveIds.h"

namespace pvn {

// "all" is the check box 1400, letters are the drive-menu list: both are the page's own work. Drive
// comes after DrvOther, so that "all" can overrule what the disabled check box 1411 shows.
inline constexpr ControlBinding kTabDriveBindings[] = {
    {IDC_DRIVE_OTHER, SettingId::DrvOther, BindKind::Check},
    {IDC_DRIVE_MENU_LIST, SettingId::Drive, BindKind::Custom},
};

} // namespace pvn
