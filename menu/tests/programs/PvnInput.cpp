// Injects input as a user would, for the GUI tests:
//   PvnInput move X Y | click left|right [X Y] | dblclick X Y | key VK[+VK...] | down VK | up VK | sleep MS
// Several actions may follow each other on one command line. Numbers take 0x for hexadecimal. down
// and up with VK 1, 2 or 4 press or release a mouse button.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

long number(const wchar_t* text) {
    return std::wcstol(text, nullptr, 0);
}

void send(INPUT input) {
    SendInput(1, &input, sizeof input);
}

void moveTo(long x, long y) {
    const long width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + width / 2) / width;
    input.mi.dy = (y * 65536 + height / 2) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send(input);
    SetCursorPos(static_cast<int>(x), static_cast<int>(y));
    Sleep(30);
}

DWORD buttonFlag(long vk, bool down) {
    switch (vk) {
    case VK_RBUTTON:
        return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    case VK_MBUTTON:
        return down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    default:
        return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
}

bool isMouseButton(long vk) {
    return vk == VK_LBUTTON || vk == VK_RBUTTON || vk == VK_MBUTTON;
}

void press(long vk, bool down) {
    INPUT input{};
    if (isMouseButton(vk)) {
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = buttonFlag(vk, down);
    } else {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(vk);
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    }
    send(input);
    Sleep(30);
}

void chord(const wchar_t* text) {
    std::vector<long> keys;
    std::wstring all = text;
    std::size_t start = 0;
    while (start <= all.size()) {
        const std::size_t plus = all.find(L'+', start);
        keys.push_back(number(all.substr(start, plus - start).c_str()));
        if (plus == std::wstring::npos)
            break;
        start = plus + 1;
    }
    for (long vk : keys)
        press(vk, true);
    for (auto vk = keys.rbegin(); vk != keys.rend(); ++vk)
        press(*vk, false);
}

bool isNumber(const wchar_t* text) {
    return text && ((*text >= L'0' && *text <= L'9') || *text == L'-');
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv)
        return 2;
    for (int i = 1; i < argc; ++i) {
        const std::wstring action = argv[i];
        auto arg = [&](int k) { return i + k < argc ? argv[i + k] : nullptr; };
        if (action == L"move" && arg(2)) {
            moveTo(number(arg(1)), number(arg(2)));
            i += 2;
        } else if (action == L"click" && arg(1)) {
            const long vk = std::wstring(arg(1)) == L"right" ? VK_RBUTTON : VK_LBUTTON;
            ++i;
            if (isNumber(arg(1)) && isNumber(arg(2))) {
                moveTo(number(arg(1)), number(arg(2)));
                i += 2;
            }
            press(vk, true);
            press(vk, false);
        } else if (action == L"dblclick" && arg(2)) {
            moveTo(number(arg(1)), number(arg(2)));
            i += 2;
            for (int n = 0; n < 2; ++n) {
                press(VK_LBUTTON, true);
                press(VK_LBUTTON, false);
            }
        } else if (action == L"key" && arg(1)) {
            chord(arg(1));
            ++i;
        } else if ((action == L"down" || action == L"up") && arg(1)) {
            press(number(arg(1)), action == L"down");
            ++i;
        } else if (action == L"sleep" && arg(1)) {
            Sleep(static_cast<DWORD>(number(arg(1))));
            ++i;
        } else {
            LocalFree(argv);
            return 2;
        }
    }
    LocalFree(argv);
    return 0;
}
