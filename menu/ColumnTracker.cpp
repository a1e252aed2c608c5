#include "menu/ColumnTracker.h"

namespace pvn {

OverflowMode overflowModeFromSetting(unsigned value) {
    switch (value) {
    case 1:
        return OverflowMode::Wrap;
    case 2:
        return OverflowMode::More;
    default:
        return OverflowMode::None;
    }
}

bool ColumnTracker::startsMoreMenu() {
    if (m_mode != OverflowMode::More || m_monitorHeight - 2 * m_itemHeight >= m_itemHeight + m_height)
        return false;
    m_height = 0;
    return true;
}

bool ColumnTracker::addItem() {
    m_height += m_itemHeight;
    if (m_mode != OverflowMode::Wrap || m_height <= m_monitorHeight - m_itemHeight)
        return false;
    m_height = m_itemHeight;
    return true;
}

bool ColumnTracker::addAbout() {
    if (m_mode == OverflowMode::Wrap &&
        m_separatorHeight + m_height + m_itemHeight >= m_monitorHeight - m_itemHeight)
        return false;
    m_height += m_separatorHeight + m_itemHeight;
    return true;
}

} // namespace pvn
