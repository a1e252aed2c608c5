#include "tray/preview/BuildGate.h"

namespace pvn {

bool BuildGate::begin() {
    if (m_running) {
        m_outdated = true;
        m_waiting = true;
        return false;
    }
    m_running = true;
    m_cancelled = false;
    m_outdated = false;
    return true;
}

void BuildGate::itemChanged() {
    if (m_running)
        m_outdated = true;
}

void BuildGate::hide() {
    m_cancelled = true;
    m_waiting = false;
}

bool BuildGate::end() {
    m_running = false;
    m_outdated = false;
    const bool again = m_waiting;
    m_waiting = false;
    return again;
}

} // namespace pvn
