#pragma once
#include <windows.h>

#include <string>

namespace pvn {

// The file time in local time as "2024/03/09(土)07:05:01"; "(不明)" for a zero time or one the
// system cannot convert.
std::wstring fileTimeText(const FILETIME& time);

} // namespace pvn
