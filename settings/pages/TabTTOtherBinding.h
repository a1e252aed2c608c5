#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabTTOtherIds.h"

namespace pvn {

inline constexpr ControlBinding kTabTTOtherBindings[] = {
    {IDC_TTOTHER_HEIGHT_SPIN, SettingId::TTHeight, BindKind::UpDown},
    {IDC_TTOTHER_WIDTH_SPIN, SettingId::TTWidth, BindKind::UpDown},
    {IDC_TTOTHER_FILE_SIZE_SPIN, SettingId::TTFileSize, BindKind::UpDown},
    {IDC_TTOTHER_EXT_LIST, SettingId::AsMovieExtList, BindKind::Custom},
    {IDC_TTOTHER_EDGE_CUT, SettingId::TTEdgeCut, BindKind::Check},
};

} // namespace pvn
