#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabSpecialIds.h"

namespace pvn {

inline constexpr ControlBinding kTabSpecialBindings[] = {
    {IDC_SPECIAL_QES, SettingId::QES, BindKind::Check},
};

} // namespace pvn
