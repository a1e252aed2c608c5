// The recent and favourites menus, the last folder and the last menu, driven as a user would:
// the icon's callback posted as the notification area does, keys and buttons through SendInput.
// The stand-in programs of the test installation record what the tray started.
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/TrayInstall_win.h"

#include <gtest/gtest.h>

namespace pvn::test {
namespace {

class TrayMenusWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The menus open at the pointer; keep it well inside the screen.
        SetCursorPos(300, 300);
        a = install.makeFolder(L"data\\Alpha");
        b = install.makeFolder(L"data\\beta");
        c = install.makeFolder(L"data\\Gamma");
    }

    void startTray() {
        ASSERT_TRUE(install.start());
        tray = install.waitForTray();
        ASSERT_TRUE(tray);
    }

    // Opens a menu with a left click on the icon, moves to entry n with the arrow keys and
    // presses the key; returns what the stand-ins were started with.
    std::vector<std::wstring> clickAndPress(int n, WORD key, const std::vector<WORD>& held = {}) {
        install.clearCalls();
        for (WORD k : held)
            keyDown(k);
        postIconClick(tray, WM_LBUTTONUP);
        HWND menu = waitForPopupMenu();
        for (auto k = held.rbegin(); k != held.rend(); ++k)
            keyUp(*k);
        if (!menu)
            return {L"no menu"};
        tapKey(VK_DOWN, n);
        tapKey(key);
        EXPECT_TRUE(waitForNoPopupMenu());
        install.waitForCalls(1, 3000);
        return install.calls();
    }

    std::wstring mainCall(const std::wstring& path) { return L"PVNMain.exe|" + path + L"|" + install.folder(); }
    std::wstring filerCall(int filer, const std::wstring& path) {
        return L"Filer.exe|" + std::to_wstring(filer) + L" " + path + L"|" + install.folder();
    }

    TrayInstall install;
    HWND tray = nullptr;
    std::wstring a, b, c;
};

TEST_F(TrayMenusWinTest, RecentMenuOrderFollowsRecentSortType) {
    // Oldest first; c (Gamma) is the newest, b appears twice in different case.
    install.writeRecent({b, a, L"" + b.substr(0, b.size() - 4) + L"BETA", c});
    struct Case {
        DWORD sortType;
        std::vector<std::wstring> shown;
    };
    std::wstring bUpper = b.substr(0, b.size() - 4) + L"BETA";
    for (const Case& test : {Case{0, {a, bUpper, c}}, Case{1, {a, bUpper, c}}, Case{2, {c, bUpper, a}}}) {
        install.setNumber(L"RecentSortType", test.sortType);
        startTray();
        for (std::size_t i = 0; i < test.shown.size(); ++i)
            EXPECT_EQ(std::vector<std::wstring>{mainCall(test.shown[i])},
                      clickAndPress(static_cast<int>(i) + 1, VK_TAB))
                << "sort type " << test.sortType << " entry " << i + 1;
        EXPECT_EQ(0u, install.stop().value_or(99));
    }
}

TEST_F(TrayMenusWinTest, ChosenRecentFolderOpensInTheFilerAndTheFileKeepsWhatWasShown) {
    install.setNumber(L"RecentSortType", 2);
    install.writeRecent({a, b, a, c});
    startTray();
    // Shown newest first: c, a, b.
    EXPECT_EQ(std::vector<std::wstring>{filerCall(0, b)}, clickAndPress(3, VK_RETURN));
    EXPECT_EQ((std::vector<std::wstring>{b, a, c, b}), install.readRecent())
        << "the shown folders once each, oldest first, then the opened one";
}

TEST_F(TrayMenusWinTest, FavouritesAreLeftOutOfTheRecentMenuWithExcFav) {
    install.setNumber(L"RecentSortType", 2);
    install.setNumber(L"ExcFav", 1);
    install.writeRecent({a, b, c});
    install.writeFavorites({c});
    startTray();
    EXPECT_EQ(std::vector<std::wstring>{filerCall(0, b)}, clickAndPress(1, VK_RETURN));
    EXPECT_EQ((std::vector<std::wstring>{a, b, b}), install.readRecent()) << "nor kept when the file is rewritten";
}

// The Wine environment (tools/wine/env) gives the prefix a removable drive r: and a CD-ROM q:.
TEST_F(TrayMenusWinTest, RemovableAndCdRomFoldersAreLeftOutOfTheRecentMenuWithExcRC) {
    ASSERT_EQ(static_cast<UINT>(DRIVE_REMOVABLE), GetDriveTypeW(L"r:\\"))
        << "r: is not a removable drive: tools/wine/env up should have made it in the prefix";
    ASSERT_EQ(static_cast<UINT>(DRIVE_CDROM), GetDriveTypeW(L"q:\\"))
        << "q: is not a CD-ROM drive: tools/wine/env up should have made it in the prefix";
    ASSERT_EQ(static_cast<UINT>(DRIVE_FIXED), GetDriveTypeW(a.substr(0, 3).c_str()))
        << "the installation's drive";
    // Real folders, so that every entry shown can be opened; only the first three characters decide.
    const std::wstring removable = L"R:\\pvn-stick";
    const std::wstring disc = L"q:\\pvn-disc";
    const std::wstring cdRom = disc + L"\\track";
    for (const std::wstring& folder : {removable, disc, cdRom})
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS)
            << toUtf8(folder);
    const std::wstring share = L"\\\\server\\share";

    install.setNumber(L"RecentSortType", 2);
    struct Case {
        DWORD excRC;
        std::vector<std::wstring> shown; // newest first
    };
    for (const Case& test : {Case{1, {b, a, share}}, Case{0, {b, cdRom, a, removable, share}}}) {
        install.writeRecent({share, removable, a, cdRom, b});
        install.setNumber(L"ExcRC", test.excRC);
        startTray();
        BoxWatcher boxes;
        // The share cannot be opened under Wine; the rewritten file below shows it was listed.
        for (std::size_t i = 0; i + 1 < test.shown.size(); ++i)
            EXPECT_EQ(std::vector<std::wstring>{mainCall(test.shown[i])},
                      clickAndPress(static_cast<int>(i) + 1, VK_TAB))
                << "ExcRC " << test.excRC << " entry " << i + 1;
        EXPECT_EQ(std::vector<std::wstring>{mainCall(b)},
                  clickAndPress(static_cast<int>(test.shown.size()) + 1, VK_TAB))
            << "ExcRC " << test.excRC << ": one step past the last entry wraps to the first, so there are "
            << test.shown.size() << " entries";

        EXPECT_EQ(std::vector<std::wstring>{filerCall(0, b)}, clickAndPress(1, VK_RETURN));
        std::vector<std::wstring> kept(test.shown.rbegin(), test.shown.rend());
        kept.push_back(b);
        EXPECT_EQ(kept, install.readRecent())
            << "ExcRC " << test.excRC << ": the file keeps the folders shown, then the opened one";
        EXPECT_TRUE(boxes.texts().empty())
            << "ExcRC " << test.excRC << ": a box: " << toUtf8(boxes.texts().front());
        EXPECT_EQ(0u, install.stop().value_or(99));
    }
    RemoveDirectoryW(removable.c_str());
    RemoveDirectoryW(cdRom.c_str());
    RemoveDirectoryW(disc.c_str());
}

TEST_F(TrayMenusWinTest, IconClickMappingWithShiftCtrlAndFavorites) {
    install.setNumber(L"RecentSortType", 2);
    install.writeRecent({a, b});
    install.writeFavorites({c});
    startTray();
    EXPECT_EQ(std::vector<std::wstring>{mainCall(b)}, clickAndPress(1, VK_TAB)) << "plain click: recent";
    EXPECT_EQ(std::vector<std::wstring>{mainCall(c)}, clickAndPress(1, VK_TAB, {VK_SHIFT})) << "Shift: favourites";

    install.clearCalls();
    keyDown(VK_CONTROL);
    postIconClick(tray, WM_LBUTTONUP);
    EXPECT_TRUE(install.waitForCalls(1));
    keyUp(VK_CONTROL);
    EXPECT_EQ(std::vector<std::wstring>{filerCall(2, b)}, install.calls())
        << "Ctrl: the last folder, in the filer Ctrl chooses";
    EXPECT_EQ((std::vector<std::wstring>{a, b}), install.readRecent()) << "the last folder leaves the list alone";

    install.setNumber(L"Favorites", 1);
    EXPECT_EQ(1, sendRequest(tray, 9).value_or(0));
    EXPECT_EQ(std::vector<std::wstring>{mainCall(c)}, clickAndPress(1, VK_TAB)) << "swapped: favourites";
    EXPECT_EQ(std::vector<std::wstring>{mainCall(b)}, clickAndPress(1, VK_TAB, {VK_SHIFT})) << "swapped: recent";
}

TEST_F(TrayMenusWinTest, FavouritesSeparatorIsPassedOverAndAChoiceIsRecorded) {
    install.writeFavorites({a, L"-", c});
    install.writeRecent({});
    startTray();
    EXPECT_EQ(std::vector<std::wstring>{mainCall(c)}, clickAndPress(2, VK_TAB, {VK_SHIFT}))
        << "the second step down skips the separator";
    EXPECT_EQ(std::vector<std::wstring>{filerCall(0, a)}, clickAndPress(1, VK_RETURN, {VK_SHIFT}));
    std::wstring recorded = a;
    recorded[0] = static_cast<wchar_t>(towlower(recorded[0]));
    EXPECT_EQ(std::vector<std::wstring>{recorded}, install.readRecent());
}

TEST_F(TrayMenusWinTest, RightClickOnAFavouriteWhoseFolderIsGoneOpensNothing) {
    const std::wstring gone = install.makeFolder(L"data\\gone");
    install.writeFavorites({gone, a});
    install.writeRecent({});
    startTray();
    BoxWatcher boxes;
    install.clearCalls();
    keyDown(VK_SHIFT);
    postIconClick(tray, WM_LBUTTONUP);
    HWND menu = waitForPopupMenu();
    keyUp(VK_SHIFT);
    ASSERT_TRUE(menu);
    RemoveDirectoryW(gone.c_str());
    RECT r{};
    GetWindowRect(menu, &r);
    const int entryHeight = GetSystemMetrics(SM_CYSMICON) + 3;
    moveMouse(r.left + 30, r.top + 4 + entryHeight / 2);
    clickMouse(true);
    EXPECT_TRUE(boxes.waitFor(1));
    EXPECT_TRUE(waitForNoPopupMenu()) << "the menu closes";
    ASSERT_EQ(1u, boxes.texts().size());
    EXPECT_EQ(L"フォルダがありません", boxes.texts()[0]);
    Sleep(500);
    EXPECT_TRUE(install.calls().empty());

    moveMouse(300, 300);
    install.clearCalls();
    keyDown(VK_SHIFT);
    postIconClick(tray, WM_LBUTTONUP);
    menu = waitForPopupMenu();
    keyUp(VK_SHIFT);
    ASSERT_TRUE(menu);
    GetWindowRect(menu, &r);
    moveMouse(r.left + 30, r.top + 4 + entryHeight + entryHeight / 2);
    clickMouse(true);
    EXPECT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(std::vector<std::wstring>{mainCall(a)}, install.calls()) << "the entry under the pointer";
    EXPECT_EQ(1u, boxes.texts().size());
    EXPECT_TRUE(waitForNoPopupMenu());
}

TEST_F(TrayMenusWinTest, TabPutsThePointerOnTheEntry) {
    install.writeFavorites({a, b, c});
    install.writeRecent({});
    startTray();
    keyDown(VK_SHIFT);
    postIconClick(tray, WM_LBUTTONUP);
    HWND menu = waitForPopupMenu();
    keyUp(VK_SHIFT);
    ASSERT_TRUE(menu);
    RECT r{};
    GetWindowRect(menu, &r);
    tapKey(VK_DOWN, 3);
    tapKey(VK_TAB);
    EXPECT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(std::vector<std::wstring>{mainCall(c)}, install.calls());
    POINT at{};
    GetCursorPos(&at);
    const int entryHeight = GetSystemMetrics(SM_CYSMICON) + 3;
    const int third = r.top + 2 * entryHeight + entryHeight / 2;
    EXPECT_NEAR(third, at.y, entryHeight / 2 + 4) << "on the third entry of the menu at " << r.left << "," << r.top;
    EXPECT_GT(at.x, r.left);
    EXPECT_LT(at.x, r.right);
}

TEST_F(TrayMenusWinTest, LeftClickDuringALeftClickMenuIsRefused) {
    install.writeRecent({a});
    install.writeFavorites({c});
    startTray();
    postIconClick(tray, WM_LBUTTONUP);
    ASSERT_TRUE(waitForPopupMenu());
    const UINT iconMessage = RegisterWindowMessageW(L"PVNNOTIFYICON");
    EXPECT_EQ(0, SendMessageW(tray, iconMessage, 1, WM_LBUTTONUP)) << "no second menu";
    EXPECT_EQ(1, sendRequest(tray, 4).value_or(0)) << "requests are still answered inside the menu";
    tapKey(VK_ESCAPE);
    ASSERT_TRUE(waitForNoPopupMenu());
    install.clearCalls();
    EXPECT_EQ(std::vector<std::wstring>{mainCall(a)}, clickAndPress(1, VK_TAB)) << "free again after the menu";
}

TEST_F(TrayMenusWinTest, EmptyListsSayWhyAndShowNoMenu) {
    install.writeRecent({});
    install.writeFavorites({});
    startTray();
    BoxWatcher boxes;
    postIconClick(tray, WM_LBUTTONUP);
    EXPECT_TRUE(boxes.waitFor(1));
    keyDown(VK_SHIFT);
    postIconClick(tray, WM_LBUTTONUP);
    EXPECT_TRUE(boxes.waitFor(2));
    keyUp(VK_SHIFT);
    keyDown(VK_CONTROL);
    postIconClick(tray, WM_LBUTTONUP);
    EXPECT_TRUE(boxes.waitFor(3));
    keyUp(VK_CONTROL);
    EXPECT_EQ((std::vector<std::wstring>{L"メニュー表示用履歴はありません", L"お気に入りフォルダはありません",
                                         L"履歴はありません"}),
              boxes.texts());
    EXPECT_TRUE(install.calls().empty());
}

TEST_F(TrayMenusWinTest, CommandLineRunsShowTheirMenuAndEnd) {
    install.setNumber(L"RecentSortType", 2);
    install.writeRecent({a, b});
    install.writeFavorites({c});
    startTray();
    ChildProcess run;
    ASSERT_TRUE(run.start(install.folder() + L"\\PVNTray.exe", L"recent"));
    ASSERT_TRUE(waitForPopupMenu());
    tapKey(VK_DOWN);
    tapKey(VK_RETURN);
    EXPECT_EQ(0u, run.wait().value_or(99));
    // The run ends without waiting for what it started.
    install.waitForCalls(1);
    EXPECT_EQ(std::vector<std::wstring>{filerCall(0, b)}, install.calls());
    EXPECT_EQ(tray, FindWindowW(L"PVNTRAYWINCLASS", L"PVNTray.exe")) << "the resident tray's window stays";

    install.clearCalls();
    ASSERT_TRUE(run.start(install.folder() + L"\\PVNTray.exe", L"favorites"));
    ASSERT_TRUE(waitForPopupMenu());
    tapKey(VK_DOWN);
    tapKey(VK_TAB);
    EXPECT_EQ(0u, run.wait().value_or(99));
    install.waitForCalls(1);
    EXPECT_EQ(std::vector<std::wstring>{mainCall(c)}, install.calls());

    install.clearCalls();
    EXPECT_EQ(0u, runProgram(install.folder() + L"\\PVNTray.exe", L"last").value_or(99));
    install.waitForCalls(1);
    EXPECT_EQ(std::vector<std::wstring>{filerCall(0, b)}, install.calls());
}

TEST_F(TrayMenusWinTest, LastMenuReopensTheFolderOfTheLastItem) {
    const std::wstring file = c + L"\\note.txt";
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    struct Case {
        std::wstring stored;
        std::vector<std::wstring> calls;
    };
    for (const Case& test : {Case{file, {mainCall(c)}}, Case{a, {mainCall(a)}}, Case{L"", {mainCall(L"")}},
                             Case{a + L"\\missing", {}}}) {
        install.clearCalls();
        install.setText(L"LastMenuItem", test.stored);
        EXPECT_EQ(0u, runProgram(install.folder() + L"\\PVNTray.exe", L"lastmenu").value_or(99));
        if (!test.calls.empty())
            install.waitForCalls(1);
        EXPECT_EQ(test.calls, install.calls()) << test.stored;
    }
}

} // namespace
} // namespace pvn::test
