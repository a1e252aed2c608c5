// The tray icon's own menu and the hot keys, driven with real input.
#include "common/Settings_win.h"
#include "common/Paths_win.h"
#include "common/SettingsKey.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/TrayInstall_win.h"

#include <gtest/gtest.h>

#include <shlobj.h>

namespace pvn::test {
namespace {

std::optional<std::wstring> defaultValue(const std::wstring& subKey) {
    RegKey key(HKEY_CURRENT_USER, subKey, KEY_QUERY_VALUE);
    std::wstring text;
    if (!key.isOpen() || !key.readString(L"", text))
        return std::nullopt;
    return text;
}

DWORD startType() {
    DWORD value = 99;
    openSettingsForReading().readDword(L"StartType", value);
    return value;
}

class TrayCommandsWinTest : public ::testing::Test {
protected:
    void SetUp() override { SetCursorPos(400, 400); }

    void startTray() {
        ASSERT_TRUE(install.start());
        tray = install.waitForTray();
        ASSERT_TRUE(tray);
    }

    // Right click on the icon, then the entry's mnemonic.
    bool trayMenuCommand(WORD mnemonic) {
        postIconClick(tray, WM_RBUTTONUP);
        if (!waitForPopupMenu())
            return false;
        tapKey(mnemonic);
        return waitForNoPopupMenu();
    }

    std::wstring mainCall(const std::wstring& args) { return L"PVNMain.exe|" + args + L"|" + install.folder(); }

    TrayInstall install;
    HWND tray = nullptr;
};

TEST_F(TrayCommandsWinTest, StartTypeToggleRewritesTheVerbsUnderTheUsersClasses) {
    for (const wchar_t* shell : {L"Software\\Classes\\Directory\\shell", L"Software\\Classes\\Drive\\shell"}) {
        RegKey(HKEY_CURRENT_USER, shell, KEY_ALL_ACCESS, true).writeString(L"", L"stale");
        RegKey(HKEY_CURRENT_USER, std::wstring(shell) + L"\\Parvane\\command", KEY_ALL_ACCESS, true)
            .writeString(L"", L"old");
    }
    install.setNumber(L"StartType", 2);
    startTray();
    ASSERT_TRUE(trayMenuCommand('C'));
    Sleep(300);
    EXPECT_EQ(1u, startType());
    const std::wstring command = L"\"" + install.folder() + L"\\PVNMain.exe\" %L";
    for (const wchar_t* shell : {L"Software\\Classes\\Directory\\shell", L"Software\\Classes\\Drive\\shell"}) {
        const std::wstring verb = std::wstring(shell) + L"\\Parvane";
        EXPECT_EQ(L"Parvane(&A)", defaultValue(verb).value_or(L"-")) << shell;
        EXPECT_EQ(command, defaultValue(verb + L"\\command").value_or(L"-")) << shell;
        EXPECT_FALSE(defaultValue(shell)) << "on the context menu only: no default verb";
    }
    ASSERT_TRUE(trayMenuCommand('C')) << "the entry now offers the double click";
    Sleep(300);
    EXPECT_EQ(2u, startType());
    for (const wchar_t* shell : {L"Software\\Classes\\Directory\\shell", L"Software\\Classes\\Drive\\shell"}) {
        EXPECT_EQ(L"Parvane", defaultValue(shell).value_or(L"-")) << shell;
        EXPECT_EQ(command, defaultValue(std::wstring(shell) + L"\\Parvane\\command").value_or(L"-"));
    }
    EXPECT_EQ(0u, install.stop().value_or(99));
}

TEST_F(TrayCommandsWinTest, WithoutAVerbTheMenuOffersNoToggle) {
    install.setNumber(L"StartType", 0);
    startTray();
    postIconClick(tray, WM_RBUTTONUP);
    ASSERT_TRUE(waitForPopupMenu());
    tapKey('C');
    EXPECT_FALSE(waitForNoPopupMenu(800)) << "C matches no entry";
    // Up from no selection wraps to the last entry: the removal of missing folders, not a toggle.
    tapKeys({VK_UP, VK_RETURN});
    EXPECT_TRUE(waitForNoPopupMenu());
    ASSERT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(L"PVNSet.exe|notexist|" + install.folder(), install.calls()[0]);
    EXPECT_EQ(0u, startType());
}

TEST_F(TrayCommandsWinTest, SettingsProgramRunsWhileTheTrayKeepsAnswering) {
    startTray();
    postIconClick(tray, WM_RBUTTONUP);
    ASSERT_TRUE(waitForPopupMenu());
    tapKey('A');
    ASSERT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(L"PVNSet.exe|about|" + install.folder(), install.calls()[0]);
    const DWORD before = GetTickCount();
    EXPECT_EQ(1, sendRequest(tray, 4).value_or(0)) << "answered during the wait";
    EXPECT_LT(GetTickCount() - before, 500u);
    for (WORD mnemonic : {'S', 'E', 'D'}) {
        Sleep(1600);
        install.clearCalls();
        ASSERT_TRUE(trayMenuCommand(mnemonic));
        ASSERT_TRUE(install.waitForCalls(1));
    }
    Sleep(1600);
    EXPECT_EQ(0u, install.stop().value_or(99));
}

TEST_F(TrayCommandsWinTest, QuitAsksFirstAndNoKeepsTheTray) {
    startTray();
    {
        BoxWatcher boxes(IDNO);
        ASSERT_TRUE(trayMenuCommand('X'));
        ASSERT_TRUE(boxes.waitFor(1));
        EXPECT_EQ(L"強制終了していいですか\n再起動する場合はスタートアップの\nPVNTrayを起動してください",
                  boxes.texts()[0]);
    }
    Sleep(300);
    EXPECT_EQ(1, sendRequest(tray, 4).value_or(0));
    BoxWatcher boxes(IDYES);
    ASSERT_TRUE(trayMenuCommand('X'));
    EXPECT_EQ(0u, install.process().wait(10000).value_or(99));
}

TEST_F(TrayCommandsWinTest, ReadMeThatCannotBeOpenedSaysSo) {
    startTray();
    BoxWatcher boxes;
    ASSERT_TRUE(trayMenuCommand('R'));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(L"ヘルプ起動エラー", boxes.texts()[0]);
}

TEST_F(TrayCommandsWinTest, HotKeysOpenTheirTargetsAndRequestThirteenSwitchesThem) {
    install.setNumber(L"HKDrv", 0x644);
    install.setNumber(L"HKMyDoc", 0xE4D);
    install.setNumber(L"HKRec", 0);
    install.setNumber(L"RecentSortType", 2);
    const std::wstring folder = install.makeFolder(L"data\\recent");
    install.writeRecent({folder});
    startTray();

    pressChord({VK_CONTROL, VK_MENU, 'D'});
    ASSERT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(mainCall(L""), install.calls()[0]) << "Ctrl+Alt+D: the drive list";

    install.clearCalls();
    pressChord({VK_CONTROL, VK_MENU, 'M'});
    ASSERT_TRUE(install.waitForCalls(1)) << "the extended-key flag is dropped";
    std::wstring documents = specialFolderPath(CSIDL_PERSONAL).value_or(L"?");
    if (documents.size() > 3 && documents.back() == L'\\')
        documents.pop_back();
    EXPECT_EQ(mainCall(documents), install.calls()[0]);

    install.clearCalls();
    pressChord({VK_CONTROL, VK_MENU, 'R'});
    EXPECT_FALSE(waitForPopupMenu(800)) << "HKRec 0 registers nothing";

    pressChord({VK_CONTROL, VK_MENU, 'L'});
    ASSERT_TRUE(install.waitForCalls(1));
    // Ctrl is still down when the folder opens, so the filer Ctrl chooses takes it.
    EXPECT_EQ(L"Filer.exe|2 " + folder + L"|" + install.folder(), install.calls()[0]) << "Ctrl+Alt+L: last folder";

    EXPECT_EQ(1, sendRequest(tray, 13, 0).value_or(0));
    install.clearCalls();
    pressChord({VK_CONTROL, VK_MENU, 'D'});
    pressChord({VK_CONTROL, VK_MENU, 'L'});
    Sleep(800);
    EXPECT_TRUE(install.calls().empty()) << "switched off";

    install.setNumber(L"HKRec", 0x652);
    EXPECT_EQ(1, sendRequest(tray, 13, 1).value_or(0));
    pressChord({VK_CONTROL, VK_MENU, 'D'});
    EXPECT_TRUE(install.waitForCalls(1)) << "switched on again";
    install.clearCalls();
    pressChord({VK_CONTROL, VK_MENU, 'R'});
    ASSERT_TRUE(waitForPopupMenu()) << "re-registering reads the settings again";
    tapKey(VK_DOWN);
    tapKey(VK_TAB);
    ASSERT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(mainCall(folder), install.calls()[0]);
    EXPECT_EQ(0u, install.stop().value_or(99));
}

TEST_F(TrayCommandsWinTest, ValuesOfAnotherTypeLeaveTheTraysOwnValue) {
    RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE);
    key.writeString(L"HKDrv", L"0x644");
    key.writeString(L"RecentSortType", L"2");
    const std::wstring gamma = install.makeFolder(L"data\\Gamma"), alpha = install.makeFolder(L"data\\Alpha");
    install.writeRecent({alpha, gamma});
    startTray();
    pressChord({VK_CONTROL, VK_MENU, 'D'});
    Sleep(800);
    EXPECT_TRUE(install.calls().empty()) << "a text is no hot key";
    postIconClick(tray, WM_LBUTTONUP);
    ASSERT_TRUE(waitForPopupMenu());
    tapKey(VK_DOWN);
    tapKey(VK_TAB);
    ASSERT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(mainCall(alpha), install.calls()[0]) << "the path order, not the text's newest-first";
    EXPECT_EQ(0u, install.stop().value_or(99));
}

TEST_F(TrayCommandsWinTest, HotKeysEndWithTheTray) {
    install.setNumber(L"HKDrv", 0x644);
    startTray();
    EXPECT_EQ(0u, install.stop().value_or(99));
    install.clearCalls();
    pressChord({VK_CONTROL, VK_MENU, 'D'});
    Sleep(800);
    EXPECT_TRUE(install.calls().empty());
    // A second tray can take the same keys: the first one let them go.
    startTray();
    Sleep(500);
    pressChord({VK_CONTROL, VK_MENU, 'D'});
    EXPECT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(0u, install.stop().value_or(99));
}

} // namespace
} // namespace pvn::test
