#pragma once
// One running instance per name: the named mutex is created, then tested (opening it first would
// let two quick starts through), inheritable and owned until the end.
#include "common/Handle_win.h"

#include <string>

namespace pvn {

class InstanceMutex {
public:
    explicit InstanceMutex(const std::wstring& name) {
        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        m_mutex.reset(CreateMutexW(&inheritable, TRUE, name.c_str()));
        if (m_mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
            m_mutex.reset();
            m_alreadyRunning = true;
        }
    }
    ~InstanceMutex() {
        if (m_mutex)
            ReleaseMutex(m_mutex.get());
    }
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;
    // Another instance holds the name.
    bool alreadyRunning() const { return m_alreadyRunning; }

private:
    UniqueHandle m_mutex;
    bool m_alreadyRunning = false;
};

} // namespace pvn
