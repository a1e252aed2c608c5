#pragma once
// Drives the windows of another process as a user would: finds pop-up menus, message boxes and
// dialogs, reads their texts, and presses keys and buttons with SendInput.
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace pvn::test {

// A visible pop-up menu window ("#32768") of any process, once it takes keys; null after the time.
HWND waitForPopupMenu(DWORD milliseconds = 5000);
// True once no pop-up menu is visible.
bool waitForNoPopupMenu(DWORD milliseconds = 5000);
// The texts of a menu window's items ("-" for separators, "" for owner-drawn items), when the
// system lets another process read the menu.
std::optional<std::vector<std::wstring>> menuItemTexts(HWND menuWindow);

// Each key pressed and released in turn.
void tapKeys(std::initializer_list<WORD> keys);
void tapKey(WORD key, int times = 1);
// All keys down in order, then up in reverse order (Ctrl+Alt+D).
void pressChord(const std::vector<WORD>& keys);
void keyDown(WORD key);
void keyUp(WORD key);
void moveMouse(int x, int y);
void clickMouse(bool right);

// A dialog's controls: id and text, in z-order.
struct ControlText {
    int id = 0;
    std::wstring className;
    std::wstring text;
};
std::vector<ControlText> dialogControls(HWND dialog);

// Waits for a "#32770" window with the title, visible, of any process.
HWND waitForDialog(const wchar_t* title, DWORD milliseconds = 5000);

// UTF-8 for printing.
std::string toUtf8(const std::wstring& text);

} // namespace pvn::test
