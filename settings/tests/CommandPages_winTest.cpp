// "ファイラ等起動" and "Ctrl+Key" of the real PVNSet, driven as a user drives them; what they save is
// then checked with the programs that read it.
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/TestFiles_win.h"
#include "settings/pages/TabCtrlIds.h"
#include "settings/pages/TabFilerIds.h"
#include "settings/tests/support/SettingsSession_win.h"

#include <gtest/gtest.h>

namespace pvn::test {
namespace {

constexpr int kFilerPage = 7;
constexpr int kCtrlPage = 8;
constexpr int kDosCommand = 16;

// A control of a dialog by id and class, however deep: the file dialog nests its name field.
HWND childOf(HWND dialog, int id, const wchar_t* className) {
    struct Search {
        int id;
        const wchar_t* className;
        HWND found = nullptr;
    } search{id, className};
    EnumChildWindows(
        dialog,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t name[64] = L"";
            GetClassNameW(w, name, 64);
            if (GetDlgCtrlID(w) == s->id && lstrcmpiW(name, s->className) == 0 && IsWindowVisible(w)) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The file-open dialog "ファイル名の指定" of the page, answered with a file.
void chooseFile(const std::wstring& path) {
    HWND open = waitForDialog(L"ファイル名の指定", 10000);
    ASSERT_TRUE(open);
    // The file-name box (cmb13) holds the edit field the user types into.
    HWND name = childOf(open, 0x47C, L"Edit");
    ASSERT_TRUE(name);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    clickButton(childOf(open, IDOK, L"Button"));
    for (int i = 0; i < 100 && IsWindow(open); ++i)
        Sleep(50);
    ASSERT_FALSE(IsWindow(open));
    Sleep(200);
}

TEST(CommandPagesWinTest, FilerEntriesFollowTheFieldAndTheFolderMenuOpensWithTheSavedFiler) {
    SettingsSession session(L"setfiler");
    TrayInstall& install = session.install();
    const std::wstring filer = install.folder() + L"\\Filer.exe";
    install.setText(L"Filer0", L"");
    install.setText(L"Filer1", L"");
    install.setText(L"Filer2", L"\"" + filer + L"\" ctrl %l");
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.openSettings());
    session.goTo(kFilerPage);

    HWND list = session.control(IDC_FILER_LIST), field = session.control(IDC_FILER_COMMAND);
    ASSERT_EQ(3, SendMessageW(list, LB_GETCOUNT, 0, 0));
    EXPECT_EQ(L"(なし):通常のエクスプローラー", listItemText(list, 0));
    EXPECT_EQ(L"Shift :通常のエクスプローラー", listItemText(list, 1));
    EXPECT_EQ(L"Ctrl  :\"" + filer + L"\" ctrl %l", listItemText(list, 2));
    EXPECT_EQ(-1, listSelection(list));
    EXPECT_FALSE(IsWindowEnabled(field));

    selectListItem(list, 1);
    EXPECT_TRUE(IsWindowEnabled(field));
    EXPECT_EQ(L"", windowText(field));
    setWindowText(field, L"\"" + filer + L"\" shift");
    EXPECT_EQ(L"Shift :\"" + filer + L"\" shift", listItemText(list, 1));
    EXPECT_EQ(1, listSelection(list)) << "the rewritten entry stays selected";

    selectListItem(list, 2);
    EXPECT_EQ(L"\"" + filer + L"\" ctrl %l", windowText(field));
    clickButton(session.control(IDC_FILER_CLEAR));
    Sleep(200);
    EXPECT_EQ(L"Ctrl  :通常のエクスプローラー", listItemText(list, 2));

    // Browsing into the empty field of the first entry gives the quoted program and "%l".
    selectListItem(list, 0);
    clickButton(session.control(IDC_FILER_BROWSE));
    ASSERT_NO_FATAL_FAILURE(chooseFile(filer));
    EXPECT_EQ(L"\"" + filer + L"\" \"%l\"", windowText(field));
    EXPECT_EQ(L"(なし):\"" + filer + L"\" \"%l\"", listItemText(list, 0));
    saveScreenshot(screenshotPath(L"filer"));
    ASSERT_TRUE(session.pressOk());

    EXPECT_EQ(L"\"" + filer + L"\" \"%l\"", storedText(L"Filer0"));
    EXPECT_EQ(L"\"" + filer + L"\" shift", storedText(L"Filer1"));
    EXPECT_EQ(L"", storedText(L"Filer2"));

    // A folder without sub-folders opens normally: in the filer just saved.
    ASSERT_TRUE(install.useRealFolderMenu());
    install.setNumber(L"StartType", 2);
    install.setNumber(L"OpenBottom", 1);
    install.clearCalls();
    const std::wstring bottom = install.makeFolder(L"bottom");
    ChildProcess main;
    ASSERT_TRUE(main.start(install.folder() + L"\\PVNMain.exe", L"\"" + bottom + L"\""));
    EXPECT_EQ(0u, main.wait(15000).value_or(99));
    ASSERT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(L"Filer.exe|\"" + bottom + L"\"", install.calls()[0].substr(0, install.calls()[0].rfind(L'|')));
    EXPECT_EQ(0u, install.stop().value_or(99));
}

TEST(CommandPagesWinTest, CtrlBindingsShownChangedResetAndSaved) {
    SettingsSession session(L"setctrl");
    TrayInstall& install = session.install();
    const std::wstring program = install.folder() + L"\\Filer.exe";
    install.setText(L"CtrlB", L"print");
    install.setText(L"CtrlE", L"\"C:\\Tools\\ed.exe\" \"%l\"");
    ASSERT_TRUE(session.openSettings());
    session.goTo(kCtrlPage);

    HWND list = session.control(IDC_CTRL_LIST), function = session.control(IDC_CTRL_FUNCTION),
         field = session.control(IDC_CTRL_COMMAND);
    ASSERT_EQ(26, SendMessageW(list, LB_GETCOUNT, 0, 0));
    EXPECT_EQ(L"Ctrl+A :上位のメニュー表示", listItemText(list, 0));
    EXPECT_EQ(L"Ctrl+B :プリント", listItemText(list, 1));
    EXPECT_EQ(L"Ctrl+E :\"C:\\Tools\\ed.exe\" \"%l\"", listItemText(list, 4));
    ASSERT_EQ(17, SendMessageW(function, CB_GETCOUNT, 0, 0));
    EXPECT_FALSE(IsWindowEnabled(function)) << "nothing selected";
    EXPECT_FALSE(IsWindowEnabled(field));

    selectListItem(list, 4);
    EXPECT_TRUE(IsWindowEnabled(function));
    EXPECT_EQ(kDosCommand, comboSelection(function));
    EXPECT_TRUE(IsWindowEnabled(field));
    EXPECT_EQ(L"\"C:\\Tools\\ed.exe\" \"%l\"", windowText(field));
    selectListItem(list, 1);
    EXPECT_EQ(13, comboSelection(function));
    EXPECT_FALSE(IsWindowEnabled(field));
    EXPECT_EQ(L"", windowText(field));

    // Back to the Install bindings, the selection kept.
    clickButton(session.control(IDC_CTRL_RESET));
    Sleep(300);
    EXPECT_EQ(L"Ctrl+B :(なし)", listItemText(list, 1));
    EXPECT_EQ(L"Ctrl+E :(なし)", listItemText(list, 4));
    EXPECT_EQ(0, comboSelection(function));

    selectListItem(list, 0);
    selectComboItem(function, 4);
    EXPECT_EQ(L"Ctrl+A :コピー", listItemText(list, 0));
    // The DOS command chosen and left empty.
    selectListItem(list, 6);
    selectComboItem(function, kDosCommand);
    EXPECT_TRUE(IsWindowEnabled(field));
    EXPECT_EQ(L"Ctrl+G :", listItemText(list, 6));
    // A program browsed into the empty field.
    selectListItem(list, 7);
    selectComboItem(function, kDosCommand);
    clickButton(session.control(IDC_CTRL_BROWSE));
    ASSERT_NO_FATAL_FAILURE(chooseFile(program));
    EXPECT_EQ(L"\"" + program + L"\" \"%l\"", windowText(field));
    EXPECT_EQ(L"Ctrl+H :\"" + program + L"\" \"%l\"", listItemText(list, 7));
    saveScreenshot(screenshotPath(L"ctrl"));
    ASSERT_TRUE(session.pressOk());

    EXPECT_EQ(L"copy", storedText(L"CtrlA"));
    EXPECT_EQ(L"none", storedText(L"CtrlB"));
    EXPECT_EQ(L"none", storedText(L"CtrlE"));
    EXPECT_EQ(L"", storedText(L"CtrlG"));
    EXPECT_EQ(L"\"" + program + L"\" \"%l\"", storedText(L"CtrlH"));
    EXPECT_EQ(L"print", storedText(L"CtrlP"));
}

} // namespace
} // namespace pvn::test
