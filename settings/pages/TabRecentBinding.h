#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabRecentIds.h"

namespace pvn {

inline constexpr ControlBinding kTabRecentBindings[] = {
    {IDC_RECENT_SORT, SettingId::RecentSortType, BindKind::Radio, 3},
    {IDC_RECENT_EXC_FAV, SettingId::ExcFav, BindKind::Check},
    {IDC_RECENT_EXC_RC, SettingId::ExcRC, BindKind::Check},
};

} // namespace pvn
