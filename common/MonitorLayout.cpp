#include "common/MonitorLayout.h"

#include <algorithm>

namespace pvn {
namespace {

Rect unite(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

} // namespace

MonitorLayout::MonitorLayout(std::vector<MonitorInfo> monitors) : m_monitors(std::move(monitors)) {
    for (size_t i = 0; i < m_monitors.size(); ++i) {
        m_union = i == 0 ? m_monitors[i].monitor : unite(m_union, m_monitors[i].monitor);
        m_workUnion = i == 0 ? m_monitors[i].work : unite(m_workUnion, m_monitors[i].work);
    }
}

int MonitorLayout::monitorAt(int x, int y) const {
    for (size_t i = 0; i < m_monitors.size(); ++i) {
        const Rect& r = m_monitors[i].monitor;
        if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom)
            return static_cast<int>(i);
    }
    return -1;
}

int MonitorLayout::monitorHeight(int x, int y) const {
    int i = monitorAt(x, y);
    return i < 0 ? -1 : m_monitors[static_cast<size_t>(i)].monitor.bottom - m_monitors[static_cast<size_t>(i)].monitor.top;
}

Rect MonitorLayout::monitorRect(int x, int y) const {
    int i = monitorAt(x, y);
    return i < 0 ? Rect{-1, -1, -1, -1} : m_monitors[static_cast<size_t>(i)].monitor;
}

} // namespace pvn
