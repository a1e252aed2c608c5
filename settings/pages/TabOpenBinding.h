#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabOpenIds.h"

namespace pvn {

inline constexpr ControlBinding kTabOpenBindings[] = {
    {IDC_OPEN_START_TYPE, SettingId::StartType, BindKind::Choice},
    {IDC_OPEN_BOTTOM, SettingId::OpenBottom, BindKind::Check},
    {IDC_OPEN_NET, SettingId::OpenNet, BindKind::Check},
    {IDC_OPEN_KEY, SettingId::OpenKey, BindKind::Choice},
    {IDC_OPEN_PUSH, SettingId::OpenPush, BindKind::Check},
};

} // namespace pvn
