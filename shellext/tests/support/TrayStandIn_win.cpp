#include "shellext/tests/support/TrayStandIn_win.h"

#include "common/RequestMessage_win.h"
#include "common/TrayHandle_win.h"

namespace pvn::test {

TrayStandIn::TrayStandIn(const std::wstring& options) {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    const std::wstring title = L"PvnShlExTray" + std::to_wstring(GetCurrentProcessId());
    m_log = std::wstring(temp) + title + L".log";
    DeleteFileW(m_log.c_str());
    if (!m_process.start(L"PvnTestReceiver.exe", L"\"log=" + m_log + L"\" title=" + title + L" " + options))
        return;
    HWND window = waitForWindow(kTrayWindowClass, title.c_str(), 10000);
    // The window exists a moment before its handle is published.
    for (int i = 0; window && i < 250; ++i) {
        if (readTrayHandle() == window) {
            m_window = window;
            return;
        }
        Sleep(20);
    }
}

TrayStandIn::~TrayStandIn() {
    stop();
    DeleteFileW(m_log.c_str());
}

void TrayStandIn::stop() {
    m_process.kill();
    m_window = nullptr;
}

} // namespace pvn::test
