#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabOtherIds.h"

namespace pvn {

inline constexpr ControlBinding kTabOtherBindings[] = {
    {IDC_OTHER_ORG_CLOSE, SettingId::OrgClose, BindKind::Check},
    {IDC_OTHER_TOOLTIP, SettingId::ToolTipOn, BindKind::Check},
    {IDC_OTHER_SFOL_SINGLE, SettingId::SFolSingle, BindKind::Check},
    {IDC_OTHER_ADD_CONTEXT, SettingId::AddContext, BindKind::Check},
};

} // namespace pvn
