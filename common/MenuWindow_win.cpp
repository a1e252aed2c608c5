#include "common/MenuWindow_win.h"

#include "common/ErrorBox_win.h"

namespace pvn {

bool isMenuWindow(HWND window) {
    wchar_t name[16] = L"";
    return window && GetClassNameW(window, name, 16) && lstrcmpW(name, kMenuWindowClass) == 0;
}

UniqueFont createMenuFont() {
    constexpr UINT kMetricsSize = 500;
    NONCLIENTMETRICSW metrics{};
    static_assert(sizeof metrics >= kMetricsSize);
    metrics.cbSize = kMetricsSize;
    if (!check(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, kMetricsSize, &metrics, 0), "SPI_GETNONCLIENTMETRICS"))
        return {};
    return UniqueFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

MenuHooks hookMenuLoop(HOOKPROC mouse, HOOKPROC filter) {
    const DWORD thread = GetCurrentThreadId();
    MenuHooks hooks;
    hooks.mouse.reset(SetWindowsHookExW(WH_MOUSE, mouse, nullptr, thread));
    hooks.filter.reset(SetWindowsHookExW(WH_MSGFILTER, filter, nullptr, thread));
    return hooks;
}

} // namespace pvn
