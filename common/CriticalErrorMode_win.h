#pragma once
// No "insert a disk" box while a drive without a medium is probed: SEM_FAILCRITICALERRORS for a
// scope, the previous mode back at its end.
#include <windows.h>

namespace pvn {

class CriticalErrorsOff {
public:
    CriticalErrorsOff() : m_old(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~CriticalErrorsOff() { SetErrorMode(m_old); }
    CriticalErrorsOff(const CriticalErrorsOff&) = delete;
    CriticalErrorsOff& operator=(const CriticalErrorsOff&) = delete;

private:
    UINT m_old;
};

} // namespace pvn
