#pragma once
// No "insert a disk" box while a drive without a medium is probed: SEM_FAILCRITICALERRORS for a
// scope, the previous mode back at its end; nothing changes when not `active`.
#include <windows.h>

namespace pvn {

class CriticalErrorsOff {
public:
    explicit CriticalErrorsOff(bool active = true)
        : m_active(active), m_old(active ? SetErrorMode(SEM_FAILCRITICALERRORS) : 0) {}
    ~CriticalErrorsOff() {
        if (m_active)
            SetErrorMode(m_old);
    }
    CriticalErrorsOff(const CriticalErrorsOff&) = delete;
    CriticalErrorsOff& operator=(const CriticalErrorsOff&) = delete;

private:
    bool m_active;
    UINT m_old;
};

} // namespace pvn
