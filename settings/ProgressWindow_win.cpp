#include "settings/ProgressWindow_win.h"

#include "common/ErrorBox_win.h"
#include "common/MessagePump_win.h"
#include "settings/res/SetResource.h"
#include "settings/res/ProgressWindowIds.h"

#include <commctrl.h>

namespace pvn {

ProgressWindow::ProgressWindow(const std::wstring& title, int osLevel) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!createModeless(instance, IDD_PROGRESS, nullptr))
        return;
    SetWindowTextW(dialog(), title.c_str());
    m_icon.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
    SendDlgItemMessageW(dialog(), IDC_PROGRESS_ICON, STM_SETICON, reinterpret_cast<WPARAM>(m_icon.get()), 0);
    SendDlgItemMessageW(dialog(), IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, 100);
    ShowWindow(dialog(), SW_SHOW);
    // The taskbar button's progress exists from Windows 7 on (class 2 and later).
    if (osLevel >= 2 &&
        SUCCEEDED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                   m_taskbar.putVoid())) &&
        FAILED(m_taskbar->HrInit()))
        m_taskbar.reset();
    setPosition(0);
}

ProgressWindow::~ProgressWindow() {
    if (m_taskbar && dialog())
        m_taskbar->SetProgressState(dialog(), TBPF_NOPROGRESS);
    if (dialog())
        check(DestroyWindow(dialog()), "DestroyWindow");
}

void ProgressWindow::setPosition(int percent) {
    if (!dialog())
        return;
    SendDlgItemMessageW(dialog(), IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    if (m_taskbar)
        m_taskbar->SetProgressValue(dialog(), static_cast<ULONGLONG>(percent), 100);
    dispatchPendingMessages();
}

INT_PTR ProgressWindow::handleDialogMessage(UINT message, WPARAM, LPARAM) {
    // Nothing to answer: the operation owns the window and ends it.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

} // namespace pvn
