#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabOpenIds.h"

namespace pvn {

inline constexpr ControlBinding kTabOpenBindings[] = {
    {IDC_OPEN_START_TYPE, L"StartType", BindKind::Choice},
    {IDC_OPEN_BOTTOM, L"OpenBottom", BindKind::Check},
    {IDC_OPEN_NET, L"OpenNet", BindKind::Check},
    {IDC_OPEN_KEY, L"OpenKey", BindKind::Choice},
    {IDC_OPEN_PUSH, L"OpenPush", BindKind::Check},
};

} // namespace pvn
