// PVNSet driven as a user drives it, against the real tray: the settings dialog with its pages, the
// save sequence, the hot keys released while the dialog is open, the start type and the command
// words, the environment report and the about box. Screenshots go to <build>/screenshots.
#include "common/ListFile_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/Settings_win.h"
#include "common/SettingsKey.h"
#include "common/SettingsTable.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/TrayInstall_win.h"
#include "settings/PageBindings.h"
#include "settings/pages/TabDriveIds.h"
#include "settings/pages/TabFavoritesIds.h"
#include "settings/pages/TabFileIds.h"
#include "settings/pages/TabHotKeyIds.h"
#include "settings/pages/TabOpenIds.h"
#include "settings/pages/TabOtherIds.h"
#include "settings/pages/TabRecentIds.h"
#include "settings/pages/TabShowIds.h"
#include "settings/pages/TabSpecialIds.h"
#include "settings/res/AboutBoxIds.h"
#include "settings/res/SettingsDialogIds.h"
#include "settings/tests/support/SettingsSession_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlobj.h>

namespace pvn::test {
namespace {

constexpr wchar_t kDialogTitle[] = L"Parvane の設定";
constexpr wchar_t kSaved[] = L"設定の書き込みが終了しました";

std::optional<std::wstring> classesDefault(const std::wstring& subKey) {
    RegKey key(HKEY_CURRENT_USER, L"Software\\Classes\\" + subKey, KEY_QUERY_VALUE);
    std::wstring text;
    if (!key.isOpen() || !key.readString(L"", text))
        return std::nullopt;
    return text;
}

bool classesKeyExists(const std::wstring& subKey) {
    return RegKey(HKEY_CURRENT_USER, L"Software\\Classes\\" + subKey, KEY_QUERY_VALUE).isOpen();
}

class PVNSetWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(5, 5);
        program = install.folder() + L"\\PVNSet.exe";
        ASSERT_TRUE(CopyFileW((binFolder() + L"PVNSet.exe").c_str(), program.c_str(), FALSE));
        for (const wchar_t* shell : {L"Directory\\shell", L"Drive\\shell"}) {
            RegKey classes(HKEY_CURRENT_USER, std::wstring(L"Software\\Classes\\") + shell, KEY_ALL_ACCESS, true);
            classes.deleteSubKey(L"Parvane\\command");
            classes.deleteSubKey(L"Parvane");
            classes.deleteValue(L"");
        }
    }

    void startTray() {
        ASSERT_TRUE(install.start());
        tray = install.waitForTray();
        ASSERT_TRUE(tray);
    }

    void openSettings() {
        ASSERT_TRUE(settings.start(program, L"set", install.folder()));
        dialog = waitForDialog(kDialogTitle, 15000);
        ASSERT_TRUE(dialog);
        list = findControl(dialog, IDC_PAGE_LIST);
        ASSERT_TRUE(list);
    }

    HWND control(int id) const { return findControl(dialog, id); }

    void goTo(int page) {
        selectListItem(list, page);
        Sleep(100);
    }

    // OK and the closing message, answered; the program then ends.
    void pressOk() {
        BoxWatcher boxes;
        clickButton(control(IDC_OK_BUTTON));
        ASSERT_TRUE(boxes.waitFor(1, 10000));
        EXPECT_EQ(kSaved, boxes.texts()[0]);
        EXPECT_EQ(0u, settings.wait(10000).value_or(99));
    }

    TrayInstall install{L"setinst"};
    std::wstring program;
    HWND tray = nullptr;
    ChildProcess settings;
    HWND dialog = nullptr;
    HWND list = nullptr;
};

TEST_F(PVNSetWinTest, StoredValuesOnTheStoredPageThenInstallValuesAndCancel) {
    install.setNumber(L"CurPage", 5);
    install.setNumber(L"MenuOverFlow", 1);
    install.setNumber(L"FileNum", 123);
    install.setNumber(L"OpenKey", 99);
    install.setNumber(L"RecentSortType", 0);
    install.setNumber(L"QES", 1);
    install.setText(L"Drive", L"cxq");
    install.setNumber(L"DrvOther", 0);
    install.setNumber(L"SFolSingle", 0);
    install.setNumber(L"Favorites", 1);
    const std::wstring kept = install.makeFolder(L"data\\kept");
    install.writeRecent({kept, L"\\\\server\\share\\x", install.folder() + L"\\data\\gone"});
    startTray();
    openSettings();

    ASSERT_EQ(kSettingsPageCount, SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < kSettingsPageCount; ++i)
        EXPECT_EQ(std::wstring(settingsPageLabel(static_cast<SettingPage>(i))), listItemText(list, i)) << i;
    EXPECT_EQ(5, listSelection(list)) << "reopens on CurPage";
    EXPECT_TRUE(IsWindowVisible(control(IDC_RECENT_SORT_BOTTOM)));
    EXPECT_TRUE(isChecked(control(IDC_RECENT_SORT_BOTTOM)));

    pressChord({VK_CONTROL, VK_MENU, 'D'});
    Sleep(800);
    EXPECT_TRUE(install.calls().empty()) << "the tray's hot keys are off while the dialog is open";

    // Every page at the page position, with the stored values.
    RECT listRect{}, pageRect{};
    GetWindowRect(list, &listRect);
    for (int i = 0; i < kSettingsPageCount; ++i) {
        goTo(i);
        saveScreenshot(screenshotPath(L"page" + std::to_wstring(i)));
    }
    goTo(0);
    GetWindowRect(GetParent(control(IDC_OPEN_START_TYPE)), &pageRect);
    EXPECT_EQ(listRect.right + 1, pageRect.left);
    EXPECT_EQ(0, comboSelection(control(IDC_OPEN_START_TYPE))) << "no verb registered: start type 0";
    EXPECT_FALSE(IsWindowEnabled(control(IDC_OPEN_BOTTOM)));
    HWND key = control(IDC_OPEN_KEY);
    EXPECT_EQ(0, comboItemData(key, comboSelection(key))) << "an OpenKey of no entry shows as none";
    goTo(1);
    EXPECT_TRUE(isChecked(control(IDC_SHOW_OVERFLOW_WRAP)));
    goTo(2);
    EXPECT_EQ(L"123", windowText(control(IDC_FILE_NUM)));
    goTo(3);
    EXPECT_FALSE(isChecked(control(IDC_DRIVE_ALL)));
    HWND menu = control(IDC_DRIVE_MENU_LIST);
    ASSERT_EQ(3, SendMessageW(menu, LB_GETCOUNT, 0, 0));
    EXPECT_GT(SendMessageW(menu, LB_GETITEMDATA, 0, 0), 0);
    EXPECT_EQ(0, SendMessageW(menu, LB_GETITEMDATA, 1, 0)) << "x: is not connected";
    EXPECT_GT(SendMessageW(menu, LB_GETITEMDATA, 2, 0), 0) << "the CD-ROM q: is";
    goTo(6);
    EXPECT_EQ(L"お気に入りフォルダ：左クリック", windowText(control(IDC_FAV_LABEL1)));
    EXPECT_EQ(L"最近開いたフォルダ：Shift+左クリック", windowText(control(IDC_FAV_LABEL2)));
    goTo(14);
    EXPECT_EQ(L"サブメニューのフォルダをダブルクリックで開ける", windowText(control(IDC_OTHER_SFOL_SINGLE)));
    goTo(15);
    EXPECT_TRUE(isChecked(control(IDC_SPECIAL_QES)));

    // The list buttons act on the file at once.
    goTo(5);
    {
        BoxWatcher yes(IDYES);
        clickButton(control(IDC_RECENT_DEL_MISSING));
        ASSERT_TRUE(yes.waitFor(1));
        EXPECT_EQ(L"存在しないフォルダの履歴からの削除\n本当に削除していいですか", yes.texts()[0]);
    }
    Sleep(300);
    EXPECT_EQ((std::vector<std::wstring>{kept, L"\\\\server\\share\\x"}), install.readRecent());

    goTo(15);
    {
        BoxWatcher boxes;
        clickButton(control(IDC_RESET));
        ASSERT_TRUE(boxes.waitFor(1));
        EXPECT_EQ(L"ドライブ・フォルダの（ダブル）クリックでメニュー起動にしました。\n"
                  L"右クリックからメニュー起動をする方法も試してください。",
                  boxes.texts()[0]);
    }
    Sleep(200);
    EXPECT_EQ(15, listSelection(list)) << "back on the page that was current";
    EXPECT_FALSE(isChecked(control(IDC_SPECIAL_QES)));
    goTo(0);
    EXPECT_EQ(2, comboSelection(control(IDC_OPEN_START_TYPE)));
    EXPECT_TRUE(IsWindowEnabled(control(IDC_OPEN_BOTTOM)));
    EXPECT_EQ(123, comboItemData(key, comboSelection(key)));
    EXPECT_EQ(L"押していた場合", windowText(control(IDC_OPEN_PUSH)));
    goTo(1);
    EXPECT_TRUE(isChecked(control(IDC_SHOW_OVERFLOW_MORE)));
    goTo(2);
    EXPECT_EQ(L"500", windowText(control(IDC_FILE_NUM)));
    goTo(3);
    EXPECT_TRUE(isChecked(control(IDC_DRIVE_ALL)));
    EXPECT_TRUE(isChecked(control(IDC_DRIVE_OTHER)));
    EXPECT_FALSE(IsWindowEnabled(control(IDC_DRIVE_MENU_LIST)));
    goTo(6);
    EXPECT_EQ(L"お気に入りフォルダ：Shift+左クリック", windowText(control(IDC_FAV_LABEL1)));
    goTo(12);
    EXPECT_EQ(0x644, SendMessageW(control(IDC_HK_DRV), HKM_GETHOTKEY, 0, 0));
    goTo(14);
    EXPECT_EQ(L"サブメニューのフォルダをシングルクリックで開ける", windowText(control(IDC_OTHER_SFOL_SINGLE)));

    goTo(4);
    clickButton(control(IDC_CANCEL_BUTTON));
    EXPECT_EQ(0u, settings.wait(10000).value_or(99));
    EXPECT_EQ(1u, storedNumber(L"MenuOverFlow"));
    EXPECT_EQ(123u, storedNumber(L"FileNum"));
    EXPECT_EQ(1u, storedNumber(L"QES"));
    EXPECT_EQ(L"cxq", storedText(L"Drive"));
    EXPECT_FALSE(classesKeyExists(L"Drive\\shell\\Parvane")) << "no verbs registered by a cancel";
    EXPECT_EQ(4u, storedNumber(L"CurPage")) << "ｷｬﾝｾﾙ stores the page";
    EXPECT_EQ(2u, install.readRecent().size()) << "the list button's change stays";

    pressChord({VK_CONTROL, VK_MENU, 'D'});
    EXPECT_TRUE(install.waitForCalls(1)) << "the tray's hot keys are back";
    EXPECT_EQ(0u, install.stop().value_or(99));
}

TEST_F(PVNSetWinTest, OkRefusesAnInvalidCountThenWritesEveryValueAndTheTrayRereads) {
    const std::wstring alpha = install.makeFolder(L"data\\Alpha"), gamma = install.makeFolder(L"data\\Gamma");
    install.writeRecent({gamma, alpha});
    install.setNumber(L"RecentSortType", 1);
    install.setText(L"Drive", L"cq");
    install.setNumber(L"DrvOther", 1);
    RegKey(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE).deleteValue(L"OrgClose");
    startTray();
    openSettings();

    goTo(5);
    clickButton(control(IDC_RECENT_SORT_TOP));
    goTo(12);
    SendMessageW(control(IDC_HK_DRV), HKM_SETHOTKEY, 0x645, 0);
    goTo(3);
    HWND drives = control(IDC_DRIVE_PC_LIST), menu = control(IDC_DRIVE_MENU_LIST);
    const LRESULT driveCount = SendMessageW(drives, LB_GETCOUNT, 0, 0);
    ASSERT_GE(driveCount, 3);
    SendMessageW(drives, LB_SETSEL, FALSE, -1);
    SendMessageW(drives, LB_SETSEL, TRUE, driveCount - 1); // z:
    SendMessageW(drives, LB_SETSEL, TRUE, 0);              // c:, already in the menu
    selectListItem(menu, 1);
    clickButton(control(IDC_DRIVE_COPY));
    Sleep(200);
    clickButton(control(IDC_DRIVE_UP));
    Sleep(200);
    clickButton(control(IDC_DRIVE_OTHER));
    goTo(2);
    setWindowText(control(IDC_FILE_NUM), L"0");
    {
        BoxWatcher boxes;
        clickButton(control(IDC_OK_BUTTON));
        ASSERT_TRUE(boxes.waitFor(1));
        EXPECT_EQ(L"障害があるので無制限の指定はできません", boxes.texts()[0]);
    }
    Sleep(200);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays";
    EXPECT_EQ(2, listSelection(list));
    EXPECT_EQ(1u, storedNumber(L"RecentSortType")) << "nothing written";
    EXPECT_FALSE(storedNumber(L"OrgClose"));

    setWindowText(control(IDC_FILE_NUM), L"250");
    saveScreenshot(screenshotPath(L"before-ok"));
    pressOk();

    EXPECT_EQ(250u, storedNumber(L"FileNum"));
    EXPECT_EQ(2u, storedNumber(L"RecentSortType"));
    EXPECT_EQ(0x645u, storedNumber(L"HKDrv"));
    EXPECT_EQ(L"zcq", storedText(L"Drive")) << "z: inserted before q:, then moved up";
    EXPECT_EQ(0u, storedNumber(L"DrvOther"));
    EXPECT_EQ(1u, storedNumber(L"OrgClose")) << "a missing value is written with its If-absent value";
    // Every value of the built pages, with its kind's registry type.
    RegKey key = openSettingsForReading();
    for (int p = 0; p < kSettingsPageCount; ++p) {
        for (const ControlBinding& b : pageBindings(static_cast<SettingPage>(p))) {
            const SettingDef* def = &settingDef(b.setting);
            DWORD type = 0;
            const std::wstring name(settingName(b.setting));
            EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, nullptr))
                << toUtf8(name);
            EXPECT_EQ(def->kind == SettingKind::Text ? DWORD{REG_SZ} : DWORD{REG_DWORD}, type) << toUtf8(name);
        }
    }

    // The tray reread its options: the newest folder is now at the top of the recent menu.
    postIconClick(tray, WM_LBUTTONUP);
    ASSERT_TRUE(waitForPopupMenu());
    tapKey(VK_DOWN);
    tapKey(VK_TAB);
    ASSERT_TRUE(install.waitForCalls(1));
    EXPECT_NE(std::wstring::npos, install.calls()[0].find(alpha)) << toUtf8(install.calls()[0]);
    install.clearCalls();
    // ... and took the saved hot keys.
    pressChord({VK_CONTROL, VK_MENU, 'E'});
    EXPECT_TRUE(install.waitForCalls(1)) << "Ctrl+Alt+E now opens the drive list";
    EXPECT_EQ(0u, install.stop().value_or(99));
}

TEST_F(PVNSetWinTest, StartTypeWordsAndInstances) {
    install.setNumber(L"CurPage", 0);
    const std::wstring command = L"\"" + install.folder() + L"\\PVNMain.exe\" %L";
    EXPECT_EQ(0u, runProgram(program, L"starttype2").value_or(99));
    EXPECT_EQ(L"Parvane", classesDefault(L"Drive\\shell"));
    EXPECT_EQ(L"Parvane", classesDefault(L"Directory\\shell"));
    EXPECT_EQ(L"Parvane(&A)", classesDefault(L"Directory\\shell\\Parvane"));
    EXPECT_EQ(command, classesDefault(L"Drive\\shell\\Parvane\\command"));
    {
        BoxWatcher boxes;
        for (const wchar_t* word : {L"Starttype2", L"xstarttype2", L"starttype7", L"unknown"})
            EXPECT_EQ(1u, runProgram(program, word).value_or(99)) << toUtf8(word);
        ASSERT_TRUE(boxes.waitFor(4));
        for (const std::wstring& text : boxes.texts())
            EXPECT_EQ(L"引数がまちがっています。", text);
    }

    startTray();
    openSettings();
    EXPECT_EQ(2, comboSelection(control(IDC_OPEN_START_TYPE))) << "read from the registration";
    {
        BoxWatcher boxes;
        EXPECT_EQ(1u, runProgram(program, L"set").value_or(99));
        ASSERT_TRUE(boxes.waitFor(1));
        EXPECT_EQ(L"２重に起動はできません", boxes.texts()[0]);
    }
    // Another word runs beside it.
    ASSERT_EQ(0u, runProgram(program, L"starttype2").value_or(99));
    // Closing the window writes nothing.
    goTo(15);
    clickButton(control(IDC_SPECIAL_QES));
    Sleep(100);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, settings.wait(10000).value_or(99));
    EXPECT_EQ(0u, storedNumber(L"QES"));
    EXPECT_EQ(0u, storedNumber(L"CurPage"));
    pressChord({VK_CONTROL, VK_MENU, 'D'});
    EXPECT_TRUE(install.waitForCalls(1)) << "hot keys back after closing the window";

    // OK without a change registers nothing.
    RegKey(HKEY_CURRENT_USER, L"Software\\Classes\\Directory\\shell\\Parvane", KEY_ALL_ACCESS).deleteSubKey(L"command");
    openSettings();
    pressOk();
    EXPECT_FALSE(classesDefault(L"Directory\\shell\\Parvane\\command"));
    EXPECT_EQ(2u, storedNumber(L"StartType"));

    // From 2 to 1: the default verb goes, the context-menu verb stays.
    openSettings();
    selectComboItem(control(IDC_OPEN_START_TYPE), 1);
    EXPECT_FALSE(IsWindowEnabled(control(IDC_OPEN_KEY)));
    pressOk();
    EXPECT_EQ(1u, storedNumber(L"StartType"));
    EXPECT_FALSE(classesDefault(L"Drive\\shell"));
    EXPECT_FALSE(classesDefault(L"Directory\\shell"));
    EXPECT_EQ(command, classesDefault(L"Drive\\shell\\Parvane\\command"));
    EXPECT_EQ(command, classesDefault(L"Directory\\shell\\Parvane\\command"));

    // No folder to point at: nothing is registered.
    install.removeValue(L"InstallDir");
    {
        BoxWatcher boxes;
        EXPECT_EQ(1u, runProgram(program, L"starttype2").value_or(99));
        ASSERT_TRUE(boxes.waitFor(1));
    }
    EXPECT_FALSE(classesDefault(L"Drive\\shell"));
    EXPECT_EQ(0u, install.stop().value_or(99));
}

TEST_F(PVNSetWinTest, EnvironmentReportAndAboutBox) {
    const std::wstring report = joinPath(specialFolderPath(CSIDL_DESKTOPDIRECTORY).value_or(L"C:\\"), L"PVNEnv.txt");
    DeleteFileW(report.c_str());
    startTray();
    openSettings();
    goTo(14);
    {
        BoxWatcher boxes;
        clickButton(control(IDC_OTHER_ENV_REPORT));
        ASSERT_TRUE(boxes.waitFor(1));
        EXPECT_EQ(report + L" を作成しました", boxes.texts()[0]);
    }
    const std::vector<std::wstring> lines = readListFile(report);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(L"OS=Windows 10 x64", lines[0]);
    std::vector<std::wstring> settingLines;
    RegKey key = openSettingsForReading();
    for (DWORD i = 0;; ++i) {
        const auto value = key.enumValue(i);
        if (!value)
            break;
        if (value->name == L"PVNTrayHandle")
            continue;
        if (value->type == REG_DWORD) {
            DWORD n = 0;
            key.readDword(value->name.c_str(), n);
            settingLines.push_back(value->name + L"=" + std::to_wstring(n));
        } else if (value->type == REG_SZ) {
            std::wstring text;
            key.readString(value->name.c_str(), text);
            settingLines.push_back(value->name + L"=\"" + text + L"\"");
        }
    }
    ASSERT_GE(lines.size(), settingLines.size());
    EXPECT_EQ(settingLines, std::vector<std::wstring>(lines.end() - static_cast<std::ptrdiff_t>(settingLines.size()),
                                                      lines.end()))
        << "the settings key in enumeration order";
    for (const std::wstring& line : lines)
        EXPECT_FALSE(line.starts_with(L"PVNTrayHandle")) << toUtf8(line);
    {
        BoxWatcher no(IDNO);
        clickButton(control(IDC_OTHER_ENV_REPORT));
        ASSERT_TRUE(no.waitFor(1));
        EXPECT_EQ(L"PVNEnv.txt を置き換えていいですか", no.texts()[0]);
        Sleep(500);
        EXPECT_EQ(1u, no.texts().size()) << "No stops there";
    }
    clickButton(control(IDC_CANCEL_BUTTON));
    EXPECT_EQ(0u, settings.wait(10000).value_or(99));

    ChildProcess about;
    ASSERT_TRUE(about.start(program, L"about"));
    HWND box = waitForDialog(L"Parvane のバージョン情報", 15000);
    ASSERT_TRUE(box);
    EXPECT_EQ(L"Parvane", windowText(GetDlgItem(box, IDC_ABOUT_NAME)));
    EXPECT_EQ(L"Ver.3.12", windowText(GetDlgItem(box, IDC_ABOUT_VERSION)));
    EXPECT_EQ(L"クリック回数激減！ブラウジングにも優れたプレビュー機能付メニュー型ファイラです。",
              windowText(GetDlgItem(box, IDC_ABOUT_DESCRIPTION)));
    EXPECT_TRUE(SendMessageW(GetDlgItem(box, IDC_ABOUT_ICON), STM_GETICON, 0, 0));
    Sleep(500);
    saveScreenshot(screenshotPath(L"about"));
    clickButton(GetDlgItem(box, IDOK));
    EXPECT_EQ(0u, about.wait(10000).value_or(99));
    DeleteFileW(report.c_str());
    EXPECT_EQ(0u, install.stop().value_or(99));
}

} // namespace
} // namespace pvn::test
