#pragma once
#include <windows.h>

#include <string>

namespace pvn {

// shortenPathToWidth measured in the DC's current font; a failed measurement is reported as
// "GTEP32" and counts as fitting.
std::wstring shortenPathToWidth(const std::wstring& path, HDC dc, int width);

} // namespace pvn
