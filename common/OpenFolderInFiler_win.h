#pragma once
// Opening a folder the ordinary way: in the filer the modifier keys choose, or in Explorer.
#include <windows.h>

#include <functional>
#include <string>

namespace pvn {

inline constexpr wchar_t kComputerFolder[] = L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

// What opening a folder asks of the system; tests replace it to stay away from real Explorer windows.
struct FilerSystem {
    std::function<bool(int virtualKey)> isKeyDown;
    // ShellExecuteW without a verb, normal window; the result as ShellExecuteW gives it.
    std::function<INT_PTR(const std::wstring& file, const std::wstring& parameters,
                          const std::wstring& directory)>
        execute;
};
const FilerSystem& realFilerSystem();

// Starts a filer command for the folder: the program in its own folder, "%s" and "%l" replaced.
// Returns whether ShellExecuteW succeeded (a result above 32).
bool launchFilerCommand(const std::wstring& command, const std::wstring& folder,
                        const FilerSystem& system = realFilerSystem());

// Opens the folder (the computer folder for an empty path) in filer 0, 1 (Shift) or 2 (Ctrl), or
// in Explorer when that filer is empty; a missing folder is reported with the reason text. When
// asked and the folder opened, closes the originating Explorer window if it shows the folder or
// an ancestor of it. Returns whether something was started.
bool OpenFolderInFiler(const std::wstring& path, const std::wstring& reason, const std::wstring& filer0,
                       const std::wstring& filer1, const std::wstring& filer2, bool closeOriginal,
                       HWND originalWindow, const FilerSystem& system = realFilerSystem());

} // namespace pvn
