#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabHotKeyIds.h"

namespace pvn {

inline constexpr ControlBinding kTabHotKeyBindings[] = {
    {IDC_HK_DRV, SettingId::HKDrv, BindKind::HotKey},
    {IDC_HK_REC, SettingId::HKRec, BindKind::HotKey},
    {IDC_HK_FAV, SettingId::HKFav, BindKind::HotKey},
    {IDC_HK_LAST, SettingId::HKLast, BindKind::HotKey},
    {IDC_HK_LASTMENU, SettingId::HKLastMenu, BindKind::HotKey},
    {IDC_HK_MYDOC, SettingId::HKMyDoc, BindKind::HotKey},
};

} // namespace pvn
