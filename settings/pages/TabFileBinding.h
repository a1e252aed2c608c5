#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabFileIds.h"

namespace pvn {

inline constexpr ControlBinding kTabFileBindings[] = {
    {IDC_FILE_NUM_SPIN, L"FileNum", BindKind::UpDown},
    {IDC_FILE_UPSIDE, L"FileUpside", BindKind::Check},
    {IDC_FILE_HISTORY, L"FHistory", BindKind::Check},
    {IDC_FILE_TOGETHER, L"FTogether", BindKind::Check},
};

} // namespace pvn
