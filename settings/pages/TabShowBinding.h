#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabShowIds.h"

namespace pvn {

inline constexpr ControlBinding kTabShowBindings[] = {
    {IDC_SHOW_OVERFLOW, SettingId::MenuOverFlow, BindKind::Radio, 3},
    {IDC_SHOW_HIDDEN, SettingId::IncludeHidden, BindKind::Check},
    {IDC_SHOW_POS_FIX, SettingId::PosFix, BindKind::Check},
    {IDC_SHOW_OPEN_SHIFT, SettingId::OpenShift, BindKind::Check},
    {IDC_SHOW_FOLDER_ICON, SettingId::FolderIcon, BindKind::Check},
    {IDC_SHOW_ORDER, SettingId::Order, BindKind::Choice},
};

} // namespace pvn
