#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabTTTxtIds.h"

namespace pvn {

inline constexpr ControlBinding kTabTTTxtBindings[] = {
    {IDC_TTTXT_EXT_LIST, SettingId::AsTextExtList, BindKind::Custom},
    {IDC_TTTXT_LINES_SPIN, SettingId::TTNumText, BindKind::UpDown},
    {IDC_TTTXT_TAB, SettingId::TabNChar, BindKind::Choice},
    {IDC_TTTXT_FONT, SettingId::TTFName, BindKind::Custom},
    {IDC_TTTXT_FONT, SettingId::TTFPoint10, BindKind::Custom},
};

} // namespace pvn
