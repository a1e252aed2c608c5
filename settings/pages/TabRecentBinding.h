#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabRecentIds.h"

namespace pvn {

inline constexpr ControlBinding kTabRecentBindings[] = {
    {IDC_RECENT_SORT, L"RecentSortType", BindKind::Radio, 3},
    {IDC_RECENT_EXC_FAV, L"ExcFav", BindKind::Check},
    {IDC_RECENT_EXC_RC, L"ExcRC", BindKind::Check},
};

} // namespace pvn
