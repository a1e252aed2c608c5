#pragma once
// The progress of installation and uninstallation: a bar from 0 to 100, mirrored on the program's
// taskbar button from Windows 7 on. It lives for one operation.
#include "common/Handle_win.h"
#include "common/WindowThunk_win.h"

#include <shobjidl.h>

#include <string>

namespace pvn {

class ProgressWindow : public DialogBase {
public:
    // `osLevel`: the system class of common/OsCheck.h (2 = Windows 7).
    ProgressWindow(const std::wstring& title, int osLevel);
    ~ProgressWindow() override;

    // Moves the bar and repaints by dispatching what is queued.
    void setPosition(int percent);

protected:
    INT_PTR handleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UniqueIcon m_icon;
    ComPtr<ITaskbarList3> m_taskbar;
};

} // namespace pvn
