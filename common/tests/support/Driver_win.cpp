#include "common/tests/support/Driver_win.h"

namespace pvn::test {
namespace {

struct MenuSearch {
    HWND found = nullptr;
};

BOOL CALLBACK findMenuWindow(HWND window, LPARAM param) {
    wchar_t name[16] = {};
    if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32768") == 0) {
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
            Sleep(250);
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

std::optional<std::vector<std::wstring>> menuItemTexts(HWND menuWindow) {
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    const int count = menu ? GetMenuItemCount(menu) : -1;
    if (count < 0)
        return std::nullopt;
    std::vector<std::wstring> texts;
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 511;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
            return std::nullopt;
        texts.push_back(info.fType & MFT_SEPARATOR ? L"-" : text);
    }
    return texts;
}

void keyDown(WORD key) { sendKey(key, false); }
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

std::string toUtf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

} // namespace pvn::test
