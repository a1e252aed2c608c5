#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabFileOpeIds.h"

namespace pvn {

inline constexpr ControlBinding kTabFileOpeBindings[] = {
    {IDC_FOP_RENAME, SettingId::FOPRename, BindKind::Radio, 3},
    {IDC_FOP_AFTER, SettingId::FOPAfter, BindKind::Radio, 3},
};

} // namespace pvn
