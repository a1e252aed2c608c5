#pragma once
// The tray's preview window as another process sees it: found by class in the tray's process, shown
// when it is larger than its parked 1 × 1, and the size its lines must give in the preview's font.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace pvn::test {

// "MENUTOOLTIPTEXT" of the process, once it exists: the tray answers requests while it still builds
// its windows, since calls that wait on other threads take sent messages meanwhile.
HWND previewWindowOf(DWORD pid, DWORD milliseconds = 5000);
// Its rectangle once it is shown (larger than 1 × 1), or nothing after the time.
std::optional<RECT> waitForPreviewShown(HWND preview, DWORD milliseconds = 10000);
bool isParked(HWND preview);

// What a window of these lines measures in the preview font (face, tenths of a point): the widest
// line plus 4 (an empty line as wide as the sample), and the line count times the sample's height.
SIZE previewTextSize(const std::vector<std::wstring>& lines, const std::wstring& face = L"ＭＳ ゴシック",
                     int pointTenths = 100);

} // namespace pvn::test
