// The tray together with the real folder menu program: the tray starts PVNMain, which finds the
// tray through the published handle and shows its menu because the tray answers code 4.
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/TrayInstall_win.h"

#include <gtest/gtest.h>

namespace pvn::test {
namespace {

DWORD processOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

class TrayWithFolderMenuWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(300, 300);
        if (!install.useRealFolderMenu())
            GTEST_SKIP() << "PVNMain.exe is not built in this tree";
        folder = install.makeFolder(L"data\\Projects\\source");
        install.makeFolder(L"data\\Projects\\docs");
        projects = install.folder() + L"\\data\\Projects";
        ASSERT_TRUE(install.start());
        tray = install.waitForTray();
        ASSERT_TRUE(tray);
    }

    // A menu of another process than the tray, which is the folder menu program's.
    HWND waitForFolderMenu() {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 10000) {
            HWND menu = waitForPopupMenu(500);
            if (menu && processOf(menu) != install.process().pid())
                return menu;
            Sleep(100);
        }
        return nullptr;
    }

    TrayInstall install;
    HWND tray = nullptr;
    std::wstring folder, projects;
};

TEST_F(TrayWithFolderMenuWinTest, DriveListHotKeyShowsTheFolderMenuThroughTheTray) {
    pressChord({VK_CONTROL, VK_MENU, 'D'});
    HWND menu = waitForFolderMenu();
    ASSERT_TRUE(menu) << "PVNMain asked the tray (code 4) and showed its drive list";
    tapKey(VK_ESCAPE);
    EXPECT_TRUE(waitForNoPopupMenu(5000));
    EXPECT_EQ(1, sendRequest(tray, 4).value_or(0));
}

TEST_F(TrayWithFolderMenuWinTest, TabOnARecentEntryOpensItsFolderMenuThere) {
    install.writeRecent({projects});
    postIconClick(tray, WM_LBUTTONUP);
    ASSERT_TRUE(waitForPopupMenu());
    tapKey(VK_DOWN);
    tapKey(VK_TAB);
    HWND menu = waitForFolderMenu();
    ASSERT_TRUE(menu) << "the folder menu of the entry";
    RECT r{};
    GetWindowRect(menu, &r);
    POINT at{};
    GetCursorPos(&at);
    EXPECT_LE(std::abs(at.y - r.top), 60) << "opened where the entry was";
    tapKey(VK_ESCAPE);
    EXPECT_TRUE(waitForNoPopupMenu(5000));
}

} // namespace
} // namespace pvn::test
