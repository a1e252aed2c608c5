#pragma once
#include "settings/ControlBinding.h"
#include "settings/pages/TabCtrlIds.h"

namespace pvn {

// "CtrlA" .. "CtrlZ" in letter order.
inline constexpr ControlBinding kTabCtrlBindings[] = {
    {IDC_CTRL_LIST, SettingId::CtrlA, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlB, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlC, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlD, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlE, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlF, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlG, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlH, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlI, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlJ, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlK, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlL, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlM, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlN, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlO, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlP, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlQ, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlR, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlS, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlT, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlU, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlV, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlW, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlX, BindKind::Custom},
    {IDC_CTRL_LIST, SettingId::CtrlY, BindKind::Custom}, {IDC_CTRL_LIST, SettingId::CtrlZ, BindKind::Custom},
};

} // namespace pvn
