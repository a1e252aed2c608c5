#pragma once
// Driving PVNSet from the tests as a user would: its boxes answered one by one, its dialogs'
// buttons pressed, a test installation folder to install from.
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/Process_win.h"
#include "common/tests/support/TestFiles_win.h"

#include <windows.h>

#include <optional>
#include <string>

namespace pvn::test {

// Waits for the next visible "Parvane" box, presses the button and waits until it has gone; its text.
inline std::optional<std::wstring> answerBox(int button, DWORD milliseconds = 15000) {
    const DWORD start = GetTickCount();
    do {
        HWND box = findBox();
        if (box && IsWindowVisible(box) && GetDlgItem(box, 0xFFFF)) {
            const std::wstring text = messageBoxText(box);
            pressButton(box, button);
            for (int i = 0; i < 250 && IsWindow(box); ++i)
                Sleep(20);
            return text;
        }
        Sleep(20);
    } while (GetTickCount() - start < milliseconds);
    return std::nullopt;
}

inline void clickButton(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

inline bool isEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

// A folder holding the deliverables, ReadMe.htm and the pictures, as the user unpacked them.
class SetupFolder {
public:
    SetupFolder() : m_folder(binFolder() + L"setupinst") {
        removeTree(m_folder);
        CreateDirectoryW(m_folder.c_str(), nullptr);
        CreateDirectoryW((m_folder + L"\\image").c_str(), nullptr);
        for (const wchar_t* program : {L"PVNSet.exe", L"PVNTray.exe", L"PVNMain.exe"})
            CopyFileW((binFolder() + program).c_str(), (m_folder + L"\\" + program).c_str(), FALSE);
        // The libraries are only registered, never loaded here (the 32-bit one is the other tree's).
        for (const wchar_t* file :
             {L"PVNShlEx32.dll", L"PVNShlEx64.dll", L"ReadMe.htm", L"image\\PVNMain.png", L"image\\context.png", L"image\\drive.png",
              L"image\\edit.png", L"image\\fav.png", L"image\\fop1.png", L"image\\fop2.png", L"image\\install.png",
              L"image\\left.png", L"image\\open.png", L"image\\other.png", L"image\\preview.jpg", L"image\\right.png",
              L"image\\uninst.png"})
            writeWholeFile(m_folder + L"\\" + file, "x");
    }
    const std::wstring& folder() const { return m_folder; }
    std::wstring file(const std::wstring& relative) const { return m_folder + L"\\" + relative; }

    // PVNSet from this folder, working folder this folder.
    bool start(const std::wstring& args = L"") { return m_setup.start(file(L"PVNSet.exe"), args, m_folder); }
    std::optional<DWORD> wait(DWORD milliseconds = 20000) { return m_setup.wait(milliseconds); }

private:
    std::wstring m_folder;
    ChildProcess m_setup;
};

} // namespace pvn::test
