#include "common/tests/support/Driver_win.h"

#include "common/MenuWindow_win.h"

#include <stdexcept>

namespace pvn::test {
namespace {

struct MenuSearch {
    HWND found = nullptr;
};

BOOL CALLBACK findMenuWindow(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && isMenuWindow(window)) {
        reinterpret_cast<MenuSearch*>(param)->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND visiblePopupMenu() {
    MenuSearch search;
    EnumWindows(findMenuWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void sendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
    Sleep(30);
}

} // namespace

HWND waitForPopupMenu(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        if (HWND menu = visiblePopupMenu()) {
            // Shown is not yet tracking: keys pressed at once may reach the window behind.
            Sleep(60);
            return menu;
        }
        Sleep(20);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

bool waitForNoPopupMenu(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        if (!visiblePopupMenu())
            return true;
        Sleep(20);
    } while (GetTickCount() - start < milliseconds);
    return false;
}

std::vector<std::wstring> menuItemTexts(HWND menuWindow) {
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    const int count = menu ? GetMenuItemCount(menu) : -1;
    if (count < 0)
        throw std::runtime_error("menuItemTexts: the menu cannot be read from this process");
    std::vector<std::wstring> texts;
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 511;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
            throw std::runtime_error("menuItemTexts: an item cannot be read from this process");
        texts.push_back(info.fType & MFT_SEPARATOR ? L"-" : text);
    }
    return texts;
}

void keyDown(WORD key) {
    sendKey(key, false);
    // A held modifier is read by other processes through GetAsyncKeyState, which Wine answers from
    // a per-thread copy for up to 50 ms: wait until the press is seen, then past that copy's age.
    for (int i = 0; i < 100 && GetAsyncKeyState(key) >= 0; ++i)
        Sleep(10);
    Sleep(60);
}
void keyUp(WORD key) { sendKey(key, true); }

void tapKeys(std::initializer_list<WORD> keys) {
    for (WORD key : keys) {
        keyDown(key);
        keyUp(key);
    }
}

void tapKey(WORD key, int times) {
    for (int i = 0; i < times; ++i) {
        keyDown(key);
        keyUp(key);
    }
}

void pressChord(const std::vector<WORD>& keys) {
    for (WORD key : keys)
        keyDown(key);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        keyUp(*key);
}

void moveMouse(int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Sleep(50);
}

void clickMouse(bool right) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input[0], sizeof(INPUT));
    Sleep(50);
    SendInput(1, &input[1], sizeof(INPUT));
    Sleep(50);
}

std::vector<ControlText> dialogControls(HWND dialog) {
    std::vector<ControlText> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ControlText control;
        control.id = GetDlgCtrlID(child);
        wchar_t name[64] = {}, text[1024] = {};
        GetClassNameW(child, name, 64);
        SendMessageTimeoutW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                            nullptr);
        control.className = name;
        control.text = text;
        controls.push_back(std::move(control));
    }
    return controls;
}

HWND waitForDialog(const wchar_t* title, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        HWND dialog = FindWindowW(L"#32770", title);
        if (dialog && IsWindowVisible(dialog))
            return dialog;
        Sleep(20);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

HWND findControl(HWND dialog, int id) {
    struct Search {
        int id;
        HWND visible = nullptr;
        HWND any = nullptr;
    } search{id};
    EnumChildWindows(
        dialog,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            if (GetDlgCtrlID(w) != s->id)
                return TRUE;
            if (!s->any)
                s->any = w;
            if (IsWindowVisible(w)) {
                s->visible = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.visible ? search.visible : search.any;
}

namespace {

void notifyParent(HWND control, WORD code) {
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

} // namespace

void clickButton(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool isChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void selectComboItem(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    notifyParent(combo, CBN_SELCHANGE);
}

int comboSelection(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

LRESULT comboItemData(HWND combo, int index) { return SendMessageW(combo, CB_GETITEMDATA, index, 0); }

void selectListItem(HWND list, int index) {
    SendMessageW(list, LB_SETCURSEL, index, 0);
    notifyParent(list, LBN_SELCHANGE);
}

int listSelection(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

std::wstring listItemText(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

std::wstring windowText(HWND control) {
    wchar_t text[1024] = {};
    SendMessageTimeoutW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

void setWindowText(HWND control, const std::wstring& text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    notifyParent(control, EN_CHANGE);
}

bool saveScreenshot(const std::wstring& path) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u), size = stride * static_cast<DWORD>(height);
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof info.bmiHeader;
        file.bfSize = file.bfOffBits + size;
        HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (out != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            saved = WriteFile(out, &file, sizeof file, &written, nullptr) &&
                    WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
                    WriteFile(out, bits, size, &written, nullptr);
            CloseHandle(out);
        }
    }
    if (bitmap)
        DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

std::string toUtf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

} // namespace pvn::test
