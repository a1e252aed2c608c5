#pragma once
// The web page preview: the system's web browser control ("Shell.Explorer.2") in a child window of
// the preview window, hosted by a small OLE container of our own (no ATL). The page runs nothing:
// the process runs with the local-machine lockdown, the container's ambient download control turns
// off scripts, Java, ActiveX controls, frames and downloads, and every navigation after the first
// one is cancelled.
#include "common/Handle_win.h"

#include <exdisp.h>
#include <ole2.h>
#include <windows.h>

#include <string>

namespace pvn {

class WebSite;

class WebHost {
public:
    WebHost() = default;
    ~WebHost();
    WebHost(const WebHost&) = delete;
    WebHost& operator=(const WebHost&) = delete;

    // Replaces any earlier page by a child window at (1, 1) of (width − 2) × (height − 2) that shows
    // the file. False when the window or the control cannot be made.
    bool Show(HWND parent, const std::wstring& path, int width, int height);
    // Closes the control and destroys its window.
    void Destroy();

    HWND window() const { return m_window.get(); }
    // What Navigate2 answered for the last page.
    HRESULT navigateResult() const { return m_navigateResult; }
    // The container, for tests of its decisions.
    WebSite* site() const { return m_site; }

private:
    UniqueWindow m_window;
    WebSite* m_site = nullptr; // reference held
    ComPtr<IOleObject> m_control;
    DWORD m_eventCookie = 0;
    HRESULT m_navigateResult = E_FAIL;
};

// The file as a URL: "#" and "%" in its name stay part of the name.
std::wstring fileUrl(const std::wstring& path);

} // namespace pvn
