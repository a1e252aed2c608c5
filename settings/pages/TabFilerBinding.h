#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabFilerIds.h"

namespace pvn {

inline constexpr ControlBinding kTabFilerBindings[] = {
    {IDC_FILER_LIST, SettingId::Filer0, BindKind::Custom},
    {IDC_FILER_LIST, SettingId::Filer1, BindKind::Custom},
    {IDC_FILER_LIST, SettingId::Filer2, BindKind::Custom},
};

} // namespace pvn
