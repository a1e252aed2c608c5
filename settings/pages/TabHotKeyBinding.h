#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabHotKeyIds.h"

namespace pvn {

inline constexpr ControlBinding kTabHotKeyBindings[] = {
    {IDC_HK_DRV, L"HKDrv", BindKind::HotKey},
    {IDC_HK_REC, L"HKRec", BindKind::HotKey},
    {IDC_HK_FAV, L"HKFav", BindKind::HotKey},
    {IDC_HK_LAST, L"HKLast", BindKind::HotKey},
    {IDC_HK_LASTMENU, L"HKLastMenu", BindKind::HotKey},
    {IDC_HK_MYDOC, L"HKMyDoc", BindKind::HotKey},
};

} // namespace pvn
