#pragma once
// common's stand-in tray (PvnTestReceiver) for one test: started with its own log file, waited for
// until its window handle is in the settings key, ended with the test.
#include "common/tests/support/Process_win.h"
#include "common/tests/support/RequestLog_win.h"

#include <string>
#include <vector>

namespace pvn::test {

class TrayStandIn {
public:
    // Extra receiver options such as "answer=0" or "hang=8000".
    explicit TrayStandIn(const std::wstring& options = L"");
    ~TrayStandIn();
    TrayStandIn(const TrayStandIn&) = delete;
    TrayStandIn& operator=(const TrayStandIn&) = delete;

    bool running() const { return m_window != nullptr; }
    HWND window() const { return m_window; }
    std::vector<LoggedRequest> requests() const { return readLoggedRequests(m_log); }
    // Ends the process; its handle stays in the settings key, stale, as a crashed tray leaves it.
    void stop();

private:
    std::wstring m_log;
    ChildProcess m_process;
    HWND m_window = nullptr;
};

} // namespace pvn::test
