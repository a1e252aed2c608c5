#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabFileIds.h"

namespace pvn {

inline constexpr ControlBinding kTabFileBindings[] = {
    {IDC_FILE_NUM_SPIN, SettingId::FileNum, BindKind::UpDown},
    {IDC_FILE_UPSIDE, SettingId::FileUpside, BindKind::Check},
    {IDC_FILE_HISTORY, SettingId::FHistory, BindKind::Check},
    {IDC_FILE_TOGETHER, SettingId::FTogether, BindKind::Check},
};

} // namespace pvn
