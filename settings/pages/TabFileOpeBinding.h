#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabFileOpeIds.h"

namespace pvn {

inline constexpr ControlBinding kTabFileOpeBindings[] = {
    {IDC_FOP_RENAME, L"FOPRename", BindKind::Radio, 3},
    {IDC_FOP_AFTER, L"FOPAfter", BindKind::Radio, 3},
};

} // namespace pvn
