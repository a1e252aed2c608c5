#include "common/MonitorTable_win.h"

#include "common/ErrorBox_win.h"

namespace pvn {
namespace {

Rect toRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT toRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

POINT cursor() {
    POINT pt{};
    GetCursorPos(&pt);
    return pt;
}

constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

} // namespace

MonitorTable::MonitorTable() : m_shcore(LoadLibraryW(L"Shcore.dll")) {
    if (m_shcore)
        m_getDpi = reinterpret_cast<GetDpiForMonitorFn>(
            reinterpret_cast<void*>(GetProcAddress(m_shcore.get(), "GetDpiForMonitor")));
    refresh();
}

void MonitorTable::refresh() {
    m_infos.clear();
    m_collected.clear();
    // Sized by what the enumeration reports, which can exceed SM_CMONITORS.
    int expected = GetSystemMetrics(SM_CMONITORS);
    m_infos.reserve(static_cast<size_t>(expected > 0 ? expected : 1));
    check(EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(this)), "EnumDisplayMonitors");
    m_layout = MonitorLayout(std::move(m_collected));
    m_collected.clear();
}

BOOL CALLBACK MonitorTable::addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM selfParam) {
    auto* self = reinterpret_cast<MonitorTable*>(selfParam);
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        return TRUE;
    MonitorInfo m{toRect(info.rcMonitor), toRect(info.rcWork), 100, 100};
    if (self->m_getDpi) {
        UINT dx = 96, dy = 96;
        HRESULT hr = self->m_getDpi(monitor, kEffectiveDpi, &dx, &dy);
        if (checkHr(hr, "GetDpiForMonitor")) {
            m.scaleX = MonitorLayout::scaleOf(dx);
            m.scaleY = MonitorLayout::scaleOf(dy);
        }
    }
    self->m_infos.push_back(info);
    self->m_collected.push_back(m);
    return TRUE;
}

int MonitorTable::monitorAtCursor() const { return monitorAt(cursor()); }
int MonitorTable::monitorHeightAtCursor() const { return monitorHeight(cursor()); }
RECT MonitorTable::monitorRect(POINT pt) const { return toRECT(m_layout.monitorRect(pt.x, pt.y)); }
RECT MonitorTable::monitorRectAtCursor() const { return monitorRect(cursor()); }

} // namespace pvn
