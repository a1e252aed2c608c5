#pragma once
// The one way from a window procedure to its object.
//   Window: derive from WindowBase, register the class with WindowBase::windowProc
//   (registerWindowClass), pass creationParameter() as CreateWindowExW's last argument.
//   Dialog: derive from DialogBase, create it with runModal or createModeless (`this` travels as the
//   init parameter).
// The object is found in GWLP_USERDATA from WM_NCCREATE (WM_INITDIALOG) to WM_NCDESTROY, both
// delivered to the handler (the handle is cleared after WM_NCDESTROY's handler returns, so an object
// must not delete itself inside it). No exception leaves a procedure: it is reported once through the common
// error box and the message gets its default answer (DefWindowProcW; FALSE for a dialog).
#include <windows.h>

namespace pvn {

// RegisterClassExW; "already registered" counts as success, another failure is reported
// ("RegisterClass Error Code =...") and gives false.
bool registerWindowClass(const WNDCLASSEXW& windowClass);

class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    HWND window() const { return m_window; }
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    WindowBase() = default;
    // Detaches a window that outlives the object: later messages get DefWindowProcW.
    virtual ~WindowBase();
    // Every message from WM_NCCREATE to WM_NCDESTROY; end with DefWindowProcW for the rest.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Stops forwarding (GWLP_USERDATA cleared); the window itself stays.
    void detachWindow();
    // `this` as the procedure reads it back, whatever other bases the class has.
    void* creationParameter() { return this; }

    // Set at WM_NCCREATE, before the handler sees it; null after WM_NCDESTROY.
    HWND m_window = nullptr;
};

class DialogBase {
public:
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;
    HWND dialog() const { return m_dialog; }
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    DialogBase() = default;
    virtual ~DialogBase();
    // Every message from WM_INITDIALOG to WM_NCDESTROY; TRUE when handled, FALSE for the default.
    // WM_INITDIALOG answers as usual (FALSE when it set the focus itself).
    virtual INT_PTR handleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // For a message whose answer goes through DWLP_MSGRESULT (WM_NOTIFY, PSN_*...): sets it, gives TRUE.
    INT_PTR answer(LRESULT result);
    // DialogBoxParamW: EndDialog's value, -1 when the dialog could not be created.
    INT_PTR runModal(HINSTANCE instance, int resourceId, HWND owner);
    // CreateDialogParamW (a modeless dialog or a page inside another): null on failure.
    HWND createModeless(HINSTANCE instance, int resourceId, HWND parent);

    // Set at WM_INITDIALOG, before the handler sees it; null after WM_NCDESTROY.
    HWND m_dialog = nullptr;
};

} // namespace pvn
