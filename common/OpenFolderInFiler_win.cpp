#include "common/OpenFolderInFiler_win.h"

#include "common/CommandLine.h"
#include "common/ErrorBox_win.h"
#include "common/FilerCommand.h"
#include "common/MessagePump_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"

#include <shellapi.h>

namespace pvn {
namespace {

INT_PTR shellExecute(const std::wstring& file, const std::wstring& parameters,
                     const std::wstring& directory) {
    return reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, nullptr, file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                      directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL));
}

// The user is holding the key now, whatever this thread's queue has seen.
bool asyncKeyDown(int virtualKey) {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

bool succeeded(INT_PTR result) {
    return result > 32;
}

std::wstring windowTitle(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring title(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int got = GetWindowTextW(window, title.data(), static_cast<int>(title.size()));
    title.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return title;
}

} // namespace

const FilerSystem& realFilerSystem() {
    static const FilerSystem system{asyncKeyDown, shellExecute};
    return system;
}

bool launchFilerCommand(const std::wstring& command, const std::wstring& folder, const FilerSystem& system) {
    const CommandLine split = splitCommandLine(command);
    const std::wstring arguments =
        expandFilerArguments(split.arguments, folder, [&folder] { return shortPathName(folder); });
    return succeeded(system.execute(split.program, arguments, parentFolder(split.program)));
}

bool OpenFolderInFiler(const std::wstring& path, const std::wstring& reason, const std::wstring& filer0,
                       const std::wstring& filer1, const std::wstring& filer2, bool closeOriginal,
                       HWND originalWindow, const FilerSystem& system) {
    if (path.empty())
        return succeeded(system.execute(L"explorer.exe", kComputerFolder, L""));
    if (!pathExists(path)) {
        showMessage(path + L" が存在しません in " + reason);
        return false;
    }
    const std::wstring* filers[] = {&filer0, &filer1, &filer2};
    const std::wstring& filer =
        *filers[chooseFiler(system.isKeyDown(VK_SHIFT), system.isKeyDown(VK_CONTROL))];
    bool opened = false;
    if (filer.empty()) {
        opened = succeeded(system.execute(L"explorer.exe", L"\"" + path + L"\"", L""));
    } else {
        opened = launchFilerCommand(filer, path, system);
        if (!opened)
            showMessage(filer + L" が不正です");
    }
    dispatchPendingMessages();
    // Closing the window the user came from is only right when the folder did open elsewhere.
    if (opened && closeOriginal && originalWindow && IsWindow(originalWindow) &&
        originWindowMatches(path, windowTitle(originalWindow)))
        PostMessageW(originalWindow, WM_CLOSE, 0, 0);
    return opened;
}

} // namespace pvn
