// The tray program started as a separate process under the real system: the single-instance rule,
// the command-line words, the start-up checks, publication and the window's fixed messages.
#include "common/RequestMessage_win.h"
#include "common/Settings_win.h"
#include "common/SettingsKey.h"
#include "common/TrayHandle_win.h"
#include "common/TraySender_win.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/TrayInstall_win.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstring>
#include <thread>

namespace pvn::test {
namespace {

DWORD settingNumber(const wchar_t* name) {
    DWORD value = 0;
    openSettingsForReading().readDword(name, value);
    return value;
}

TEST(TrayStartWinTest, ResidentStartPublishesItselfAndAnswersPresence) {
    BoxWatcher boxes;
    TrayInstall install;
    install.setNumber(L"MenuHeight", 0);
    ASSERT_TRUE(install.start());
    HWND tray = install.waitForTray();
    ASSERT_TRUE(tray) << "handle published and code 4 answered";
    EXPECT_EQ(tray, readTrayHandle());
    EXPECT_EQ(1, TraySender(tray).answer(makeBareRequest(RequestCode::PresenceTest)));
    EXPECT_EQ(WS_EX_TOOLWINDOW, GetWindowLongPtrW(tray, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(IsWindowVisible(tray));
    RECT r{};
    GetWindowRect(tray, &r);
    EXPECT_EQ(1, r.right - r.left);
    EXPECT_EQ(1, r.bottom - r.top);
    EXPECT_GT(settingNumber(L"MenuHeight"), 5u) << "measured before the message loop";
    EXPECT_GT(settingNumber(L"MenuSepHeight"), 0u);
    EXPECT_EQ(static_cast<DWORD>(GetSystemMetrics(SM_CYSMICON) + 3), settingNumber(L"ODMenuHeight"));
    EXPECT_EQ(static_cast<DWORD>(GetSystemMetrics(SM_CXSMICON)), settingNumber(L"IconWidth"));
    EXPECT_EQ(static_cast<DWORD>(GetSystemMetrics(SM_CYSMICON)), settingNumber(L"IconHeight"));
    EXPECT_EQ(0u, install.stop().value_or(99));
    EXPECT_TRUE(boxes.texts().empty()) << (boxes.texts().empty() ? "" : toUtf8(boxes.texts()[0]));
    EXPECT_EQ(tray, readTrayHandle()) << "the handle is not cleared at exit";
}

TEST(TrayStartWinTest, UnknownCodesAndTheTraysOwnCodesFromOutsideDoNothing) {
    TrayInstall install;
    ASSERT_TRUE(install.start());
    HWND tray = install.waitForTray();
    ASSERT_TRUE(tray);
    for (unsigned code : {0u, 1u, 2u, 6u, 7u, 8u, 11u, 12u, 14u, 101u, 102u, 5000u})
        EXPECT_EQ(1, sendRequest(tray, code, 68).value_or(-1)) << code;
    // An item the shell cannot find: no menu, nothing chosen. A letter bound to nothing: nothing done.
    EXPECT_EQ(2, TraySender(tray).answer(makeContextMenuRequest({10, 10}, L"c:\\no such folder\\x", 0)));
    EXPECT_EQ(0, TraySender(tray).answer(makeCtrlLetterRequest(3, 2, L"c:\\windows", L"c:\\")));
    // A request that needs a section and finds none is carried out by nobody.
    EXPECT_EQ(0, sendRequest(tray, 5).value_or(-1));
    EXPECT_EQ(1, TraySender(tray).answer(makeFileOperationRequest({L"c:\\windows\\win.ini"})));
    // That request's file-operation menu follows; the user leaves it.
    if (waitForPopupMenu())
        tapKey(VK_ESCAPE);
    EXPECT_TRUE(waitForNoPopupMenu());
    {
        // Another program's section that holds nothing the codes need.
        UniqueMapping section(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 6,
                                                 kRequestSectionName));
        ASSERT_TRUE(section);
        UniqueView view(MapViewOfFile(section.get(), FILE_MAP_WRITE, 0, 0, 6));
        ASSERT_TRUE(view);
        // An empty first string, and no placement size where code 100 expects one.
        const unsigned char junk[6] = {0x00, 0x00, 0xFF, 0x7F, 0x01, 0x00};
        std::memcpy(view.get(), junk, sizeof junk);
        // No path after the point: no item, which is the Computer folder's menu.
        std::thread escape([] {
            if (waitForPopupMenu())
                tapKey(VK_ESCAPE);
        });
        EXPECT_EQ(2, sendRequest(tray, 3).value_or(-1)) << "no path after the point: nothing chosen";
        escape.join();
        EXPECT_EQ(0, sendRequest(tray, 100, 30).value_or(-1)) << "no placement";
        EXPECT_EQ(0, sendRequest(tray, 5).value_or(-1)) << "no path";
    }
    EXPECT_EQ(1, sendRequest(tray, 4).value_or(-1)) << "still serving";
    EXPECT_EQ(0u, install.stop().value_or(99));
}

TEST(TrayStartWinTest, SecondStartIsRefusedAndTheFirstStays) {
    TrayInstall install;
    ASSERT_TRUE(install.start());
    HWND tray = install.waitForTray();
    ASSERT_TRUE(tray);
    {
        BoxWatcher boxes;
        EXPECT_EQ(1u, runProgram(install.folder() + L"\\PVNTray.exe").value_or(99));
        ASSERT_EQ(1u, boxes.texts().size());
        EXPECT_EQ(L"２重に起動はできません", boxes.texts()[0]);
    }
    EXPECT_EQ(1, sendRequest(tray, 4).value_or(0));
    EXPECT_EQ(tray, readTrayHandle());
    EXPECT_EQ(0u, install.stop().value_or(99));
}

TEST(TrayStartWinTest, WrongWordsAreRefused) {
    TrayInstall install;
    for (const wchar_t* word : {L"Recent", L"bogus", L"last menu"}) {
        BoxWatcher boxes;
        EXPECT_EQ(1u, runProgram(install.folder() + L"\\PVNTray.exe", word).value_or(99)) << word;
        ASSERT_EQ(1u, boxes.texts().size()) << word;
        EXPECT_EQ(L"引数がまちがっています", boxes.texts()[0]);
    }
}

TEST(TrayStartWinTest, StartFromAnotherFolderThanInstallDirCloses) {
    TrayInstall install;
    std::wstring upper = install.folder();
    for (auto& c : upper)
        c = static_cast<wchar_t>(towupper(c));
    install.setText(L"InstallDir", upper);
    BoxWatcher boxes;
    ASSERT_TRUE(install.start());
    EXPECT_EQ(0u, install.process().wait(15000).value_or(99)) << "the posted close ends the loop";
    ASSERT_EQ(1u, boxes.texts().size());
    EXPECT_EQ(L"インストールされたディレクトリから起動していません\nスタートアップから起動してください",
              boxes.texts()[0]);
}

TEST(TrayStartWinTest, InstallDirWithQuotesAndBlanksIsTheSameFolder) {
    TrayInstall install;
    install.setText(L"InstallDir", L"  \"" + install.folder() + L"\" ");
    BoxWatcher boxes;
    ASSERT_TRUE(install.start());
    EXPECT_TRUE(install.waitForTray());
    EXPECT_EQ(0u, install.stop().value_or(99));
    EXPECT_TRUE(boxes.texts().empty());
}

TEST(TrayStartWinTest, MissingSettingsProgramAndWrongFolderEachSayWhy) {
    TrayInstall install;
    DeleteFileW((install.folder() + L"\\PVNSet.exe").c_str());
    install.setText(L"InstallDir", L"C:\\elsewhere");
    BoxWatcher boxes;
    ASSERT_TRUE(install.start());
    EXPECT_EQ(0u, install.process().wait(15000).value_or(99));
    ASSERT_EQ(2u, boxes.texts().size());
    EXPECT_EQ(L"PVNSet.exe がインストールディレクトリにありません", boxes.texts()[1]);
}

TEST(TrayStartWinTest, UserWithoutSettingsKeyEndsWithOneAndPublishesNothing) {
    TrayInstall install;
    RegKey(HKEY_CURRENT_USER, L"Software\\Morrick", KEY_ALL_ACCESS).deleteSubKey(L"Parvane");
    ASSERT_FALSE(openSettingsForReading().isOpen());
    BoxWatcher boxes;
    EXPECT_EQ(1u, runProgram(install.folder() + L"\\PVNTray.exe", L"", 15000).value_or(99));
    ASSERT_EQ(1u, boxes.texts().size());
    EXPECT_EQ(L"このユーザではインストールされていない？", boxes.texts()[0]);
    EXPECT_FALSE(openSettingsForReading().isOpen()) << "the key is never created by the tray";
}

TEST(TrayStartWinTest, SystemCloseIsSwallowedAndSessionEndFollowsQes) {
    TrayInstall install;
    install.setNumber(L"QES", 0);
    ASSERT_TRUE(install.start());
    HWND tray = install.waitForTray();
    ASSERT_TRUE(tray);
    SendMessageW(tray, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(1, SendMessageW(tray, WM_QUERYENDSESSION, 0, 0));
    Sleep(300);
    EXPECT_EQ(1, sendRequest(tray, 4).value_or(0)) << "neither Alt+F4 nor the session question ends it";

    install.setNumber(L"QES", 1);
    EXPECT_EQ(1, sendRequest(tray, 9).value_or(0)) << "reload";
    EXPECT_EQ(1, SendMessageW(tray, WM_QUERYENDSESSION, 0, 0)) << "never objects";
    EXPECT_EQ(0u, install.process().wait(10000).value_or(99));
}

TEST(TrayStartWinTest, TaskbarCreatedAddsTheIconAgain) {
    TrayInstall install;
    ASSERT_TRUE(install.start());
    HWND tray = install.waitForTray();
    ASSERT_TRUE(tray);
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = tray;
    icon.uID = 1;
    icon.uFlags = NIF_TIP;
    lstrcpyW(icon.szTip, L"Parvane");
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the icon is there";
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon)) << "as if the notification area had restarted";
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon));
    EXPECT_EQ(1, SendMessageW(tray, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0));
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "added again";
    EXPECT_EQ(0u, install.stop().value_or(99));
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "removed at exit";
}

TEST(TrayStartWinTest, CommandLineRunBesideTheResidentLeavesTheHandleAlone) {
    TrayInstall install;
    ASSERT_TRUE(install.start());
    HWND tray = install.waitForTray();
    ASSERT_TRUE(tray);
    BoxWatcher boxes;
    EXPECT_EQ(0u, runProgram(install.folder() + L"\\PVNTray.exe", L"last", 15000).value_or(99));
    ASSERT_EQ(2u, boxes.texts().size()) << "the missing list, then the empty history";
    EXPECT_EQ(L"履歴はありません", boxes.texts()[1]);
    EXPECT_EQ(tray, readTrayHandle());
    EXPECT_EQ(0u, install.stop().value_or(99));
}

} // namespace
} // namespace pvn::test
