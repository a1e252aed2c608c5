#pragma once
#include "common/TextPlatform.h"

namespace pvn {

// The one pair of conversions used at file and API edges.
std::wstring fromCodePage(unsigned codePage, std::string_view bytes);
std::string toCodePage(unsigned codePage, std::wstring_view text);

} // namespace pvn
