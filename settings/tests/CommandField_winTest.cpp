#include "settings/CommandField_win.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace pvn {
namespace {

// What the shell hands a drop target: DROPFILES, then the wide paths, each NUL-ended, then a NUL.
HGLOBAL makeDrop(const std::vector<std::wstring>& paths) {
    std::wstring block;
    for (const std::wstring& path : paths)
        block += path + L'\0';
    block += L'\0';
    const SIZE_T bytes = sizeof(DROPFILES) + block.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), block.data(),
                block.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

std::wstring textOf(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

HWND makeEdit() {
    return CreateWindowExW(WS_EX_ACCEPTFILES, L"EDIT", L"", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 400, 20, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

TEST(CommandFieldTest, DroppedFilesPutTheFirstInAndAreReleased) {
    HWND edit = makeEdit();
    ASSERT_TRUE(edit);
    const LONG_PTR original = GetWindowLongPtrW(edit, GWLP_WNDPROC);
    {
        CommandField field;
        field.attach(edit);
        EXPECT_NE(original, GetWindowLongPtrW(edit, GWLP_WNDPROC));

        HGLOBAL drop = makeDrop({L"C:\\Program Files\\Ed\\ed.exe", L"C:\\second.exe"});
        SendMessageW(edit, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        EXPECT_EQ(L"\"C:\\Program Files\\Ed\\ed.exe\" \"%l\"", textOf(edit));
        EXPECT_EQ(GMEM_INVALID_HANDLE, GlobalFlags(drop)) << "the drop was not finished";

        // Into a field that holds text, the path goes in at the caret.
        SendMessageW(edit, EM_SETSEL, 0, 0);
        SendMessageW(edit, WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop({L"C:\\a.exe"})), 0);
        EXPECT_EQ(L"C:\\a.exe\"C:\\Program Files\\Ed\\ed.exe\" \"%l\"", textOf(edit));

        field.clear();
        EXPECT_EQ(L"", textOf(edit));
        field.insertFile(L"C:\\b.exe");
        EXPECT_EQ(L"\"C:\\b.exe\" \"%l\"", textOf(edit));
    }
    EXPECT_EQ(original, GetWindowLongPtrW(edit, GWLP_WNDPROC)) << "the field's own procedure is back";
    DestroyWindow(edit);
}

TEST(CommandFieldTest, AFieldDestroyedBeforeItsObjectIsLetGo) {
    CommandField field;
    HWND edit = makeEdit();
    ASSERT_TRUE(edit);
    field.attach(edit);
    DestroyWindow(edit);
    EXPECT_EQ(nullptr, field.window());
}

} // namespace
} // namespace pvn
