#pragma once
// The monitors of the desktop with their work areas and DPI scale. "Shcore.dll" GetDpiForMonitor is
// used when the system has it; otherwise every scale is 100.
#include "common/Handle_win.h"
#include "common/MonitorLayout.h"

#include <vector>

namespace pvn {

class MonitorTable {
public:
    MonitorTable();
    MonitorTable(const MonitorTable&) = delete;
    MonitorTable& operator=(const MonitorTable&) = delete;

    // Reads the monitors again (WM_DISPLAYCHANGE: a window kept for a whole logon sees them change).
    void refresh();

    const MonitorLayout& layout() const { return m_layout; }
    const std::vector<MONITORINFOEXW>& infos() const { return m_infos; }
    int count() const { return m_layout.count(); }
    int monitorAt(POINT pt) const { return m_layout.monitorAt(pt.x, pt.y); }
    int monitorAtCursor() const;
    int monitorHeight(POINT pt) const { return m_layout.monitorHeight(pt.x, pt.y); }
    int monitorHeightAtCursor() const;
    RECT monitorRect(POINT pt) const;
    RECT monitorRectAtCursor() const;

private:
    static BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM self);

    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    UniqueModule m_shcore;
    GetDpiForMonitorFn m_getDpi = nullptr;
    std::vector<MONITORINFOEXW> m_infos;
    std::vector<MonitorInfo> m_collected;
    MonitorLayout m_layout;
};

} // namespace pvn
