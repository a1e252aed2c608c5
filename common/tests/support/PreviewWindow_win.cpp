#include "common/tests/support/PreviewWindow_win.h"

#include "common/Handle_win.h"
#include "common/tests/support/TrayInstall_win.h"

#include <algorithm>

namespace pvn::test {

HWND previewWindowOf(DWORD pid, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND w = windowOfProcess(pid, L"MENUTOOLTIPTEXT", false))
            return w;
        if (GetTickCount() - start > milliseconds)
            return nullptr;
        Sleep(20);
    }
}

bool isParked(HWND preview) {
    RECT r{};
    return GetWindowRect(preview, &r) && r.right - r.left <= 1 && r.bottom - r.top <= 1;
}

std::optional<RECT> waitForPreviewShown(HWND preview, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        RECT r{};
        if (GetWindowRect(preview, &r) && (r.right - r.left > 1 || r.bottom - r.top > 1))
            return r;
        Sleep(20);
    } while (GetTickCount() - start < milliseconds);
    return std::nullopt;
}

SIZE previewTextSize(const std::vector<std::wstring>& lines, const std::wstring& face, int pointTenths) {
    static constexpr wchar_t kSample[] = L"あいうえおabcdefg";
    ScopedGetDC screen(nullptr);
    LOGFONTW font{};
    face.copy(font.lfFaceName, std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    font.lfHeight = -MulDiv(pointTenths, GetDeviceCaps(screen.get(), LOGPIXELSY), 720);
    UniqueFont created(CreateFontIndirectW(&font));
    ScopedSelect selected(screen.get(), created.get());
    auto extent = [&](const std::wstring& text) {
        const std::wstring& measured = text.empty() ? std::wstring(kSample) : text;
        SIZE s{};
        GetTextExtentPoint32W(screen.get(), measured.c_str(), static_cast<int>(measured.size()), &s);
        return s;
    };
    int width = 0;
    for (const std::wstring& line : lines)
        width = std::max<int>(width, extent(line).cx);
    return {width + 4, static_cast<LONG>(lines.size()) * extent(kSample).cy};
}

} // namespace pvn::test
