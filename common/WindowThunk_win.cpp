#include "common/WindowThunk_win.h"

#include "common/ErrorBox_win.h"

namespace pvn {
namespace {

template <typename Object> Object* objectOf(HWND window) {
    return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void attach(HWND window, void* object) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

} // namespace

bool registerWindowClass(const WNDCLASSEXW& windowClass) {
    if (RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS)
        return true;
    reportLastError("RegisterClass");
    return false;
}

WindowBase::~WindowBase() {
    detachWindow();
}

void WindowBase::detachWindow() {
    if (m_window && objectOf<WindowBase>(m_window) == this)
        attach(m_window, nullptr);
    m_window = nullptr;
}

LRESULT CALLBACK WindowBase::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->m_window = window;
            attach(window, self);
        }
    }
    WindowBase* self = objectOf<WindowBase>(window);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        attach(window, nullptr);
    LRESULT result = 0;
    try {
        result = self->handleMessage(message, wParam, lParam);
    } catch (...) {
        reportCurrentException();
        result = DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY)
        self->m_window = nullptr;
    return result;
}

DialogBase::~DialogBase() {
    if (m_dialog && objectOf<DialogBase>(m_dialog) == this)
        attach(m_dialog, nullptr);
}

INT_PTR CALLBACK DialogBase::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogBase*>(lParam);
        if (self) {
            self->m_dialog = dialog;
            attach(dialog, self);
        }
    }
    DialogBase* self = objectOf<DialogBase>(dialog);
    if (!self)
        return FALSE;
    if (message == WM_NCDESTROY)
        attach(dialog, nullptr);
    INT_PTR result = FALSE;
    try {
        result = self->handleDialogMessage(message, wParam, lParam);
    } catch (...) {
        reportCurrentException();
        result = FALSE;
    }
    if (message == WM_NCDESTROY)
        self->m_dialog = nullptr;
    return result;
}

INT_PTR DialogBase::answer(LRESULT result) {
    SetWindowLongPtrW(m_dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR DialogBase::runModal(HINSTANCE instance, int resourceId, HWND owner) {
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(resourceId), owner, dialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND DialogBase::createModeless(HINSTANCE instance, int resourceId, HWND parent) {
    return CreateDialogParamW(instance, MAKEINTRESOURCEW(resourceId), parent, dialogProc,
                              reinterpret_cast<LPARAM>(this));
}

} // namespace pvn
