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
// The texts of a menu window's items ("-" for separators, "" for owner-drawn items). Throws
// std::runtime_error when the menu cannot be read: under Wine menus are per process, so only a
// menu of the calling process can be read; check another process's menu through its effects.
std::vector<std::wstring> menuItemTexts(HWND menuWindow);

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

// A control of a dialog or of a dialog inside it (a settings page), by id: the visible one first.
HWND findControl(HWND dialog, int id);
// What a user does to a control of another process; each control's parent gets the notification
// it would get from the user (BN_CLICKED, CBN_SELCHANGE, LBN_SELCHANGE, EN_CHANGE).
// A button is pressed with a posted BM_CLICK, so that a box it opens does not block the caller.
void clickButton(HWND button);
bool isChecked(HWND button);
void selectComboItem(HWND combo, int index);
int comboSelection(HWND combo);
// The item data of the selected entry, or of entry `index`.
LRESULT comboItemData(HWND combo, int index);
void selectListItem(HWND list, int index);
int listSelection(HWND list);
std::wstring listItemText(HWND list, int index);
std::wstring windowText(HWND control);
void setWindowText(HWND control, const std::wstring& text);

// The whole screen as a 24-bit BMP file.
bool saveScreenshot(const std::wstring& path);

// UTF-8 for printing.
std::string toUtf8(const std::wstring& text);

} // namespace pvn::test
