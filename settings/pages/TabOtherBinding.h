#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabOtherIds.h"

namespace pvn {

inline constexpr ControlBinding kTabOtherBindings[] = {
    {IDC_OTHER_ORG_CLOSE, L"OrgClose", BindKind::Check},
    {IDC_OTHER_TOOLTIP, L"ToolTipOn", BindKind::Check},
    {IDC_OTHER_SFOL_SINGLE, L"SFolSingle", BindKind::Check},
    {IDC_OTHER_ADD_CONTEXT, L"AddContext", BindKind::Check},
};

} // namespace pvn
