#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabFavoritesIds.h"

namespace pvn {

inline constexpr ControlBinding kTabFavoritesBindings[] = {
    {IDC_FAV_SWAP, SettingId::Favorites, BindKind::Check},
    {IDC_FAV_FNAME, SettingId::FavFName, BindKind::Check},
};

} // namespace pvn
