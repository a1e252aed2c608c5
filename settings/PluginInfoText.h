#pragma once
// The text "情報表示" shows for an image plug-in, built from its information numbers.
#include "common/SusiePluginRules.h"

#include <functional>
#include <optional>
#include <string>

namespace pvn {

// Information number n as text, or nothing when the plug-in has no such number.
using PluginInfoFn = std::function<std::optional<std::wstring>(int)>;

// Number 1 (the description), "\n", then for each file type "拡張子 ", its pattern, "：", its
// name and "\n".
std::wstring pluginInfoText(const PluginInfoFn& info);

} // namespace pvn
