#pragma once
// The DOS command field of the filer and Ctrl+Key pages: an edit control that takes files dropped
// onto it, and the "クリア" and "参照..." buttons beside it. A chosen or dropped file goes in by the
// insertion rule of CommandFieldEdit.h; the text change then reaches the page as EN_CHANGE.
#include <windows.h>

#include <string>

namespace pvn {

class CommandField {
public:
    CommandField() = default;
    // Puts the edit control's own window procedure back.
    ~CommandField();
    CommandField(const CommandField&) = delete;
    CommandField& operator=(const CommandField&) = delete;

    // Replaces the field's window procedure (for WM_DROPFILES) and lets it accept files.
    void attach(HWND field);
    HWND window() const { return m_field; }

    void clear();
    // The file-open dialog "ファイル名の指定" for programs; a chosen file is inserted.
    void browse(HWND owner);
    void insertFile(const std::wstring& path);
    std::wstring text() const;

private:
    static LRESULT CALLBACK fieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void detach();

    HWND m_field = nullptr;
    WNDPROC m_previous = nullptr;
};

} // namespace pvn
