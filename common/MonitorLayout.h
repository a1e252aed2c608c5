#pragma once
// The monitors as rectangles, and the look-ups the menus and windows place themselves by.
#include <optional>
#include <vector>

namespace pvn {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct MonitorInfo {
    Rect monitor;
    Rect work;
    int scaleX = 100; // percent: DPI ÷ 96 × 100, truncated
    int scaleY = 100;
};

class MonitorLayout {
public:
    MonitorLayout() = default;
    explicit MonitorLayout(std::vector<MonitorInfo> monitors);

    const std::vector<MonitorInfo>& monitors() const { return m_monitors; }
    int count() const { return static_cast<int>(m_monitors.size()); }
    // The first monitor whose rectangle holds the point, edges included; -1 for none.
    int monitorAt(int x, int y) const;
    // Bottom minus top of that monitor, or -1.
    int monitorHeight(int x, int y) const;
    // That monitor's rectangle, or four times -1.
    Rect monitorRect(int x, int y) const;
    const Rect& allMonitors() const { return m_union; }
    const Rect& allWork() const { return m_workUnion; }

    static int scaleOf(unsigned dpi) { return static_cast<int>(dpi * 100 / 96); }

private:
    std::vector<MonitorInfo> m_monitors;
    Rect m_union;
    Rect m_workUnion;
};

} // namespace pvn
