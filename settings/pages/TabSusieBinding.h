#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabSusieIds.h"

namespace pvn {

inline constexpr ControlBinding kTabSusieBindings[] = {
    {IDC_SUSIE_FOLDER, SettingId::SusiePluginDir, BindKind::Custom},
    {IDC_SUSIE_PREVIEW, SettingId::SusiePreview, BindKind::Check},
};

} // namespace pvn
