// A stand-in tray for the messaging tests: a window that takes requests the way the tray does, reads
// each one with receiveTrayRequest, records it to a log file and answers.
//   PvnTestReceiver log=<file> title=<window title> [answer=<n>] [class=<window class>]
//                   [hang=<ms>] [busy=<ms>] [exit=1]
// Code 4 answers 1; every other code the given answer (default 1). hang sleeps inside the handler
// without pumping messages (a hung tray); busy pumps messages inside the handler, as the tray does
// while its menus are open; exit ends the process from inside the handler.
#include "common/RegKey_win.h"
#include "common/RequestMessage_win.h"
#include "common/SettingsKey.h"
#include "common/TrayHandle_win.h"
#include "common/TrayReceiver_win.h"
#include "common/tests/support/RequestLog_win.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

struct Options {
    std::wstring log;
    std::wstring title = L"PvnTestReceiver";
    std::wstring windowClass = pvn::kTrayWindowClass;
    LRESULT answer = 1;
    DWORD hang = 0;
    DWORD busy = 0;
    bool exitInHandler = false;
};

Options g_options;

Options parseOptions() {
    Options options;
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; args && i < count; ++i) {
        std::wstring arg = args[i];
        const size_t eq = arg.find(L'=');
        if (eq == std::wstring::npos)
            continue;
        const std::wstring key = arg.substr(0, eq), value = arg.substr(eq + 1);
        if (key == L"log")
            options.log = value;
        else if (key == L"title")
            options.title = value;
        else if (key == L"class")
            options.windowClass = value;
        else if (key == L"answer")
            options.answer = std::stoll(value);
        else if (key == L"hang")
            options.hang = static_cast<DWORD>(std::stoul(value));
        else if (key == L"busy")
            options.busy = static_cast<DWORD>(std::stoul(value));
        else if (key == L"exit")
            options.exitInHandler = value == L"1";
    }
    LocalFree(args);
    return options;
}

// The raw view, read independently of receiveTrayRequest, so that the test can compare bytes.
std::vector<std::byte> snapshotSection() {
    pvn::UniqueMapping section(OpenFileMappingW(FILE_MAP_READ, FALSE, pvn::kRequestSectionName));
    if (!section)
        return {};
    pvn::UniqueView view(MapViewOfFile(section.get(), FILE_MAP_READ, 0, 0, 0));
    MEMORY_BASIC_INFORMATION region{};
    if (!view || VirtualQuery(view.get(), &region, sizeof region) != sizeof region)
        return {};
    auto* bytes = static_cast<const std::byte*>(view.get());
    return {bytes, bytes + region.RegionSize};
}

LRESULT onRequest(WPARAM wParam, LPARAM lParam) {
    if (g_options.hang)
        Sleep(g_options.hang);
    for (const DWORD start = GetTickCount(); g_options.busy && GetTickCount() - start < g_options.busy;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    if (g_options.exitInHandler)
        ExitProcess(3);
    pvn::test::LoggedRequest record;
    record.code = static_cast<unsigned>(wParam);
    record.lParam = static_cast<long long>(lParam);
    record.section = snapshotSection();
    record.parsed = pvn::receiveTrayRequest(wParam, lParam);
    pvn::test::appendLoggedRequest(g_options.log, record);
    return wParam == pvn::toWParam(pvn::RequestCode::PresenceTest) ? 1 : g_options.answer;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != 0 && message == pvn::requestMessage())
        return onRequest(wParam, lParam);
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    g_options = parseOptions();
    if (g_options.log.empty() || pvn::requestMessage() == 0)
        return 2;
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.lpszClassName = g_options.windowClass.c_str();
    if (!RegisterClassW(&wc))
        return 2;
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, g_options.windowClass.c_str(), g_options.title.c_str(),
                                  WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 2;
    pvn::RegKey settings(HKEY_CURRENT_USER, pvn::kSettingsKey, KEY_SET_VALUE, true);
    if (!pvn::writeTrayHandle(settings, window))
        return 2;
    settings.close();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
