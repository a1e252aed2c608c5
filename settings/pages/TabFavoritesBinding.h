#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabFavoritesIds.h"

namespace pvn {

inline constexpr ControlBinding kTabFavoritesBindings[] = {
    {IDC_FAV_SWAP, L"Favorites", BindKind::Check},
    {IDC_FAV_FNAME, L"FavFName", BindKind::Check},
};

} // namespace pvn
