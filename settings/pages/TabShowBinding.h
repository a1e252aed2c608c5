#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabShowIds.h"

namespace pvn {

inline constexpr ControlBinding kTabShowBindings[] = {
    {IDC_SHOW_OVERFLOW, L"MenuOverFlow", BindKind::Radio, 3},
    {IDC_SHOW_HIDDEN, L"IncludeHidden", BindKind::Check},
    {IDC_SHOW_POS_FIX, L"PosFix", BindKind::Check},
    {IDC_SHOW_OPEN_SHIFT, L"OpenShift", BindKind::Check},
    {IDC_SHOW_FOLDER_ICON, L"FolderIcon", BindKind::Check},
    {IDC_SHOW_ORDER, L"Order", BindKind::Choice},
};

} // namespace pvn
