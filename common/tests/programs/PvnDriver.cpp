// Acts on the windows of another process as a user would, for scripts and tests:
//   PvnDriver [--out FILE] STEP...
//   box [yes|no|ok|cancel] [TIMEOUT]   wait for a "Parvane" box, print "box: <text>", press the button
//   menu [TIMEOUT]                     wait for a pop-up menu, print "menu: x y w h" and its items
//                                      (a menu of another process cannot be read under Wine)
//   choose N                           highlight item N of the open menu (1 = first) and press Enter
//   tab N                              highlight item N and press Tab
//   cancel                             Esc
//   escape                             post Esc to the topmost pop-up menu, for a menu whose process
//                                      does not have the keyboard
//   key VK[+VK...]                     a chord, keys as hexadecimal or decimal virtual-key codes
//   down VK | up VK | move X Y | click left|right | sleep MS
//   dialog TITLE [ID]                  print a dialog's controls; press the button ID (also one of a page
//                                      inside the dialog) when given
//   close TITLE                        close the visible top-level windows with the title (WM_CLOSE)
//   select TITLE ID N                  select entry N (0 = first) of the dialog's list box ID
//   clipboard                          print "clipboard: <text>" (empty when it holds no text)
//   windows                            print "window: x y w h CLASS TITLE" for each visible top-level
//                                      window, topmost first (for cropping screenshots)
//   icon left|right                    click the tray's notification icon (its callback message)
//   request CODE [LPARAM] [COUNT]      send PVNMESSAGE to the tray COUNT times, print the last answer;
//                                      code 5 carries a section naming this program's file
//   fileop N PATH...                   request 5 with the N paths, print the answer
// Prints "fail: <step>" and ends with 1 at the first step that finds nothing to act on. A program of
// the GUI subsystem has no standard output on Windows: use --out there.
#include "common/Paths_win.h"
#include "common/RequestMessage_win.h"
#include "common/TraySender_win.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/Process_win.h"

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using pvn::test::toUtf8;

FILE* g_out = stdout;

void print(const std::wstring& text) {
    std::fputs((toUtf8(text) + "\n").c_str(), g_out);
    std::fflush(g_out);
}

unsigned number(const std::wstring& text) { return static_cast<unsigned>(std::wcstoul(text.c_str(), nullptr, 0)); }

std::vector<WORD> chord(const std::wstring& text) {
    std::vector<WORD> keys;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t plus = text.find(L'+', start);
        keys.push_back(static_cast<WORD>(number(text.substr(start, plus - start))));
        if (plus == std::wstring::npos)
            break;
        start = plus + 1;
    }
    return keys;
}

int answerId(const std::wstring& word) {
    if (word == L"yes")
        return IDYES;
    if (word == L"no")
        return IDNO;
    if (word == L"cancel")
        return IDCANCEL;
    return IDOK;
}

bool isAnswerWord(const std::wstring& word) {
    return word == L"yes" || word == L"no" || word == L"ok" || word == L"cancel";
}

bool highlightAndPress(unsigned item, WORD key) {
    if (!pvn::test::waitForPopupMenu())
        return false;
    pvn::test::tapKey(VK_DOWN, static_cast<int>(item));
    pvn::test::tapKey(key);
    return true;
}

std::wstring clipboardText() {
    std::wstring text;
    for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt)
        Sleep(50);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// GetWindowText, not WM_GETTEXT: a window of a process inside a modal loop still answers at once.
BOOL CALLBACK printWindow(HWND window, LPARAM) {
    if (!IsWindowVisible(window))
        return TRUE;
    wchar_t name[128] = {}, title[512] = {};
    GetClassNameW(window, name, 128);
    GetWindowTextW(window, title, 512);
    RECT r{};
    GetWindowRect(window, &r);
    print(L"window: " + std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
          std::to_wstring(r.right - r.left) + L" " + std::to_wstring(r.bottom - r.top) + L" " + name + L" " +
          title);
    return TRUE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::vector<std::wstring> args = pvn::test::programArguments();
    std::size_t i = 0;
    if (args.size() >= 2 && args[0] == L"--out") {
        if (FILE* f = _wfopen(args[1].c_str(), L"ab"))
            g_out = f;
        i = 2;
    }
    auto next = [&]() -> std::wstring { return i < args.size() ? args[i++] : L""; };
    auto hasNumber = [&] { return i < args.size() && !args[i].empty() && iswdigit(args[i][0]); };
    while (i < args.size()) {
        const std::wstring step = next();
        bool ok = true;
        if (step == L"box") {
            const std::wstring answer = i < args.size() && isAnswerWord(args[i]) ? next() : L"ok";
            const DWORD timeout = hasNumber() ? number(next()) : 5000;
            HWND box = pvn::test::waitForDialog(L"Parvane", timeout);
            ok = box != nullptr;
            if (ok) {
                print(L"box: " + pvn::test::messageBoxText(box));
                pvn::test::pressButton(box, answerId(answer));
            }
        } else if (step == L"menu") {
            HWND menu = pvn::test::waitForPopupMenu(hasNumber() ? number(next()) : 5000);
            ok = menu != nullptr;
            if (ok) {
                RECT r{};
                GetWindowRect(menu, &r);
                print(L"menu: " + std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
                      std::to_wstring(r.right - r.left) + L" " + std::to_wstring(r.bottom - r.top));
                try {
                    for (const auto& item : pvn::test::menuItemTexts(menu))
                        print(L"item: " + item);
                } catch (const std::runtime_error&) {
                    print(L"items: not readable from another process");
                }
            }
        } else if (step == L"choose") {
            ok = highlightAndPress(number(next()), VK_RETURN);
        } else if (step == L"tab") {
            ok = highlightAndPress(number(next()), VK_TAB);
        } else if (step == L"cancel") {
            pvn::test::tapKey(VK_ESCAPE);
        } else if (step == L"escape") {
            // A menu's modal loop reads every key message of its thread's queue.
            HWND menu = pvn::test::waitForPopupMenu(0);
            ok = menu != nullptr;
            if (ok) {
                PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
                PostMessageW(menu, WM_KEYUP, VK_ESCAPE, 0xC0000001);
            }
        } else if (step == L"key") {
            pvn::test::pressChord(chord(next()));
        } else if (step == L"down") {
            pvn::test::keyDown(static_cast<WORD>(number(next())));
        } else if (step == L"up") {
            pvn::test::keyUp(static_cast<WORD>(number(next())));
        } else if (step == L"move") {
            const int x = static_cast<int>(number(next()));
            pvn::test::moveMouse(x, static_cast<int>(number(next())));
        } else if (step == L"click") {
            pvn::test::clickMouse(next() == L"right");
        } else if (step == L"sleep") {
            Sleep(number(next()));
        } else if (step == L"dialog") {
            const std::wstring title = next();
            HWND dialog = pvn::test::waitForDialog(title.c_str());
            ok = dialog != nullptr;
            if (ok) {
                for (const auto& control : pvn::test::dialogControls(dialog))
                    print(L"control: " + std::to_wstring(control.id) + L" " + control.className + L" " + control.text);
                if (hasNumber())
                    pvn::test::clickButton(pvn::test::findControl(dialog, static_cast<int>(number(next()))));
            }
        } else if (step == L"close") {
            const std::wstring title = next();
            ok = false;
            for (HWND w = FindWindowExW(nullptr, nullptr, nullptr, title.c_str()); w;
                 w = FindWindowExW(nullptr, w, nullptr, title.c_str())) {
                if (IsWindowVisible(w)) {
                    PostMessageW(w, WM_CLOSE, 0, 0);
                    ok = true;
                }
            }
        } else if (step == L"select") {
            const std::wstring title = next();
            HWND dialog = pvn::test::waitForDialog(title.c_str());
            const int id = static_cast<int>(number(next()));
            const int index = static_cast<int>(number(next()));
            HWND list = dialog ? pvn::test::findControl(dialog, id) : nullptr;
            ok = list != nullptr;
            if (ok)
                pvn::test::selectListItem(list, index);
        } else if (step == L"clipboard") {
            print(L"clipboard: " + clipboardText());
        } else if (step == L"windows") {
            EnumWindows(printWindow, 0);
        } else if (step == L"icon") {
            HWND tray = FindWindowW(pvn::kTrayWindowClass, L"PVNTray.exe");
            ok = tray != nullptr;
            if (ok)
                PostMessageW(tray, RegisterWindowMessageW(L"PVNNOTIFYICON"), 1,
                             next() == L"right" ? WM_RBUTTONUP : WM_LBUTTONUP);
        } else if (step == L"request") {
            const unsigned code = number(next());
            const LPARAM lParam = hasNumber() ? static_cast<LPARAM>(number(next())) : 0;
            const unsigned count = hasNumber() ? number(next()) : 1;
            HWND tray = FindWindowW(pvn::kTrayWindowClass, L"PVNTray.exe");
            ok = tray != nullptr;
            const std::wstring own = pvn::modulePath();
            const pvn::RequestPayload request =
                code == pvn::toWParam(pvn::RequestCode::FileOperationItems)
                    ? pvn::makeFileOperationRequest({own})
                    : pvn::makeBareRequest(static_cast<pvn::RequestCode>(code), lParam);
            LRESULT answer = 0;
            for (unsigned n = 0; ok && n < count; ++n)
                answer = pvn::TraySender(tray).answer(request);
            if (ok)
                print(L"answer: " + std::to_wstring(answer));
        } else if (step == L"fileop") {
            std::vector<std::wstring> paths(number(next()));
            for (auto& path : paths)
                path = next();
            HWND tray = FindWindowW(pvn::kTrayWindowClass, L"PVNTray.exe");
            ok = tray != nullptr;
            if (ok)
                print(L"answer: " + std::to_wstring(pvn::TraySender(tray).answer(pvn::makeFileOperationRequest(paths))));
        } else {
            ok = false;
        }
        if (!ok) {
            print(L"fail: " + step);
            return 1;
        }
    }
    return 0;
}
