#include "settings/CommandField_win.h"

#include "settings/CommandFieldEdit.h"

#include <commdlg.h>
#include <shellapi.h>

namespace pvn {
namespace {

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

CommandField::~CommandField() {
    detach();
}

void CommandField::attach(HWND field) {
    detach();
    m_field = field;
    SetWindowLongPtrW(field, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // The pointer-sized call: the 64-bit procedure address must not be cut to 32 bits.
    m_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CommandField::fieldProc)));
    DragAcceptFiles(field, TRUE);
}

void CommandField::detach() {
    if (!m_field)
        return;
    if (IsWindow(m_field)) {
        SetWindowLongPtrW(m_field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        SetWindowLongPtrW(m_field, GWLP_USERDATA, 0);
    }
    m_field = nullptr;
    m_previous = nullptr;
}

LRESULT CALLBACK CommandField::fieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CommandField*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC previous = self->m_previous;
    switch (message) {
    case WM_DROPFILES: {
        auto drop = reinterpret_cast<HDROP>(wParam);
        // Only the first of several dropped files counts.
        UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        if (length != 0) {
            std::wstring path(length + 1, L'\0');
            path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
            self->insertFile(path);
        }
        DragFinish(drop);
        return 0;
    }
    case WM_NCDESTROY:
        // The window goes before the page object: give it its own procedure back for the rest.
        self->detach();
        break;
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

void CommandField::clear() {
    SetWindowTextW(m_field, L"");
}

void CommandField::browse(HWND owner) {
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = L"exeファイル(*.exe)\0*.exe\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = L"ファイル名の指定";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetOpenFileNameW(&ofn))
        insertFile(file);
}

void CommandField::insertFile(const std::wstring& path) {
    DWORD start = 0, end = 0;
    SendMessageW(m_field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CommandFieldEdit edit = insertCommandFile(text(), start, end, path);
    SetWindowTextW(m_field, edit.text.c_str());
    SendMessageW(m_field, EM_SETSEL, edit.caret, static_cast<LPARAM>(edit.caret));
    SetFocus(m_field);
}

std::wstring CommandField::text() const {
    return windowText(m_field);
}

} // namespace pvn
