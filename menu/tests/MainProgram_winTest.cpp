// PVNMain end to end: started as Explorer starts it, from an installation with the real tray
// resident, driven with injected keys and clicks, judged by what the user and the other programs
// see: the filer's command line, the recent list, LastMenuItem and the message boxes. Where the test
// is about the bytes PVNMain sends, a recording tray takes the real one's place.
#include "menu/tests/support/MenuSession_win.h"

#include "common/RegKey_win.h"
#include "common/tests/support/BoxWatcher_win.h"

#include <gtest/gtest.h>

namespace pvn::test {
namespace {

constexpr wchar_t kDown[] = L"key 0x28";

std::wstring requestPath(const LoggedRequest& r, std::size_t i = 0) {
    return r.parsed && r.parsed->items.size() > i ? r.parsed->items[i] : L"<none>";
}

class MainProgram : public ::testing::Test {
protected:
    MainProgram() : folder(L"C:\\pvnmenu") {
        sub = folder.folder(L"sub");
        folder.file(L"sub\\inner.txt");
        tool = folder.file(L"tool.exe");
        CopyFileW((binFolder() + L"PvnTestFiler.exe").c_str(), tool.c_str(), FALSE);
        session.input(L"move 400 300");
    }

    MenuSession session;
    FixtureFolder folder;
    std::wstring sub;
    std::wstring tool;
};

TEST_F(MainProgram, WithoutTrayTheFolderOpensInExplorerAndIsNotRecorded) {
    BoxWatcher boxes;
    MenuSession::setNumber(L"StartType", 2);
    MenuSession::setNumber(L"OpenBottom", 1);
    ASSERT_FALSE(session.open(L"C:\\pvnmenu\\missing", false));
    EXPECT_EQ(0u, session.finish().value_or(99));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(L"C:\\pvnmenu\\missing が存在しません in OF PVNTray", boxes.texts()[0])
        << "the tray's absence decides before any StartType rule";
    EXPECT_TRUE(MenuSession::recentLines().empty());
}

TEST_F(MainProgram, FolderWithoutSubFoldersOpensInTheFilerAndIsRecorded) {
    ASSERT_TRUE(session.startTray());
    BoxWatcher boxes;
    MenuSession::setNumber(L"StartType", 2);
    MenuSession::setNumber(L"OpenBottom", 1);
    ASSERT_FALSE(session.open(sub, false));
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto record = MenuSession::filerRecord();
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(sub, record[0]);
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\pvnmenu\\sub"}), MenuSession::recentLines());
    EXPECT_TRUE(boxes.texts().empty()) << "the tray answered the presence test";
}

TEST_F(MainProgram, AFolderThatCannotBeOpenedIsNotRecorded) {
    ASSERT_TRUE(session.startTray());
    BoxWatcher boxes;
    MenuSession::setNumber(L"StartType", 2);
    MenuSession::setNumber(L"OpenBottom", 1);
    ASSERT_FALSE(session.open(L"C:\\pvnmenu\\gone", false));
    EXPECT_EQ(0u, session.finish().value_or(99));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(L"C:\\pvnmenu\\gone が存在しません in OF Bottom", boxes.texts()[0]);
    EXPECT_TRUE(MenuSession::recentLines().empty());
}

TEST_F(MainProgram, OpenKeyHeldOpensTheFolderNormally) {
    ASSERT_TRUE(session.startTray());
    MenuSession::setNumber(L"StartType", 2);
    MenuSession::setNumber(L"OpenKey", VK_SHIFT);
    MenuSession::setNumber(L"OpenPush", 1);
    MenuSession::setText(L"Filer1", MenuSession::filerCommand(L"shift %l"));
    session.input(L"down 0x10");
    const bool menu = session.open(folder.path(), false);
    session.input(L"up 0x10");
    ASSERT_FALSE(menu);
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto record = MenuSession::filerRecord();
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(L"shift " + folder.path(), record[0]) << "Shift, still held, chose Filer1";
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\pvnmenu"}), MenuSession::recentLines());
}

TEST_F(MainProgram, OrgCloseClosesTheExplorerWindowTheUserCameFrom) {
    MenuSession::setNumber(L"OrgClose", 1);
    // Resident before the user works in Explorer: its start-up takes the foreground for a moment.
    ASSERT_TRUE(session.startTray());
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CabinetWClass";
    RegisterClassW(&wc);
    HWND explorer = CreateWindowExW(0, L"CabinetWClass", L"pvnmenu", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600,
                                    600, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(explorer);
    SetForegroundWindow(explorer);
    ASSERT_TRUE(session.open(folder.path()));
    // sub -> its 開く
    session.input(std::wstring(kDown) + L" " + kDown + L" key 0x27 sleep 300 key 0x0D");
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto record = MenuSession::filerRecord();
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(sub, record[0]);
    for (int i = 0; i < 50 && IsWindow(explorer); ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(20);
    }
    EXPECT_FALSE(IsWindow(explorer)) << "the window titled pvnmenu shows an ancestor of the folder";
}

TEST_F(MainProgram, DriveMenuWithoutArgument) {
    MenuSession::setText(L"Drive", L"zc");
    ASSERT_TRUE(session.startRecordingTray());
    ASSERT_TRUE(session.open(L""));
    // 開く, z:, c: -> Ctrl+D on z:
    session.input(std::wstring(kDown) + L" " + kDown + L" key 0x11+0x44");
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto requests = session.requests(10);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(L"z:\\", requestPath(requests[0], 0)) << "the drives in the order of Drive";
    EXPECT_EQ(L"no text", requestPath(requests[0], 1)) << "the drive menu has no start folder";
    EXPECT_EQ((3LL | (4LL << 16)), requests[0].lParam);
    EXPECT_EQ(L"z:\\", MenuSession::readText(L"LastMenuItem"));
}

TEST_F(MainProgram, MissingSettingsKeyOpensNormallyWithExitCode1) {
    BoxWatcher boxes;
    RegKey(HKEY_CURRENT_USER, L"Software\\Morrick", KEY_ALL_ACCESS).deleteSubKey(L"Parvane");
    ASSERT_FALSE(session.open(L"C:\\pvnmenu\\missing", false));
    EXPECT_EQ(1u, session.finish().value_or(99));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(L"C:\\pvnmenu\\missing が存在しません in OF Reg Open Error", boxes.texts()[0]);
}

TEST_F(MainProgram, ChoosingOpenRunsTheFilerAndRecordsTheFolder) {
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    session.input(std::wstring(kDown) + L" key 0x0D");
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto record = MenuSession::filerRecord();
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(folder.path(), record[0]);
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\pvnmenu"}), MenuSession::recentLines());
    EXPECT_EQ(folder.path(), MenuSession::readText(L"LastMenuItem"));
}

TEST_F(MainProgram, ChoosingAFileOpensItAndRecordsItsFolderWithFHistory) {
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    // 開く, sub, tool.exe
    session.input(std::wstring(kDown) + L" " + kDown + L" " + kDown + L" key 0x0D");
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto record = MenuSession::filerRecord(folder.path());
    ASSERT_EQ(2u, record.size()) << "tool.exe ran";
    EXPECT_EQ(folder.path(), record[1]) << "in the file's folder";
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\pvnmenu"}), MenuSession::recentLines());
    EXPECT_EQ(tool, MenuSession::readText(L"LastMenuItem"));
}

TEST_F(MainProgram, WithoutFHistoryAChosenFileRecordsNothing) {
    MenuSession::setNumber(L"FHistory", 0);
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    session.input(std::wstring(kDown) + L" " + kDown + L" " + kDown + L" key 0x0D");
    EXPECT_EQ(0u, session.finish().value_or(99));
    EXPECT_EQ(2u, MenuSession::filerRecord(folder.path()).size());
    EXPECT_TRUE(MenuSession::recentLines().empty());
}

TEST_F(MainProgram, SubFolderIsFilledWhenHighlighted) {
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    // sub -> Right opens it: 開く, inner.txt
    session.input(std::wstring(kDown) + L" " + kDown + L" key 0x27 sleep 300");
    ASSERT_EQ(2u, MenuSession::menuWindows().size()) << "the sub-menu opened";
    // Opening a sub-menu by key highlights its first item: 開く, then inner.txt.
    session.input(std::wstring(kDown) + L" sleep 200 key 0x1B key 0x1B");
    EXPECT_EQ(0u, session.finish().value_or(99));
    EXPECT_EQ(folder.path() + L"\\sub\\inner.txt", MenuSession::readText(L"LastMenuItem"))
        << "the last highlighted file of the lazily filled menu";
}

TEST_F(MainProgram, EscapeAtOnceLeavesTheStartPathAsLastMenuItem) {
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    session.input(L"key 0x1B");
    EXPECT_EQ(0u, session.finish().value_or(99));
    EXPECT_EQ(folder.path(), MenuSession::readText(L"LastMenuItem"));
    EXPECT_TRUE(MenuSession::recentLines().empty());
}

TEST_F(MainProgram, DoubleClickOnAFolderItemOpensItInTheFiler) {
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    const POINT p = session.itemCentre(1, 1);
    session.input(L"click left " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y) + L" sleep 400");
    ASSERT_FALSE(session.finish(300)) << "a single click only opens the sub-menu";
    session.input(L"dblclick " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y));
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto record = MenuSession::filerRecord();
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(sub, record[0]);
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\pvnmenu\\sub"}), MenuSession::recentLines());
}

TEST_F(MainProgram, SingleClickOpensAFolderItemWithSFolSingle) {
    MenuSession::setNumber(L"SFolSingle", 1);
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    const POINT p = session.itemCentre(1, 1);
    session.input(L"click left " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y));
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto record = MenuSession::filerRecord();
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(sub, record[0]);
}

TEST_F(MainProgram, RightClickAsksTheTrayForTheItemsContextMenuAtTheCursor) {
    ASSERT_TRUE(session.startRecordingTray());
    ASSERT_TRUE(session.open(folder.path()));
    const POINT p = session.itemCentre(0, 0);
    session.input(L"click right " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y) +
                  L" sleep 300 key 0x1B");
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto requests = session.requests(3);
    ASSERT_EQ(1u, requests.size()) << "exactly once per release";
    ASSERT_TRUE(requests[0].parsed && requests[0].parsed->point);
    EXPECT_EQ(p.x, requests[0].parsed->point->x);
    EXPECT_EQ(p.y, requests[0].parsed->point->y);
    EXPECT_EQ(folder.path(), requestPath(requests[0]));
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\pvnmenu"}), MenuSession::recentLines())
        << "a folder's 開く is recorded when the tray answers 1";
}

TEST_F(MainProgram, TabAsksForTheContextMenuAtTheItemsCentre) {
    ASSERT_TRUE(session.startRecordingTray(2));
    ASSERT_TRUE(session.open(folder.path()));
    const POINT centre = session.itemCentre(2, 1);
    session.input(std::wstring(kDown) + L" " + kDown + L" " + kDown +
                  L" key 0x09 sleep 300 key 0x1B key 0x1B");
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto requests = session.requests(3);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(tool, requestPath(requests[0]));
    ASSERT_TRUE(requests[0].parsed && requests[0].parsed->point);
    EXPECT_NEAR(centre.y, requests[0].parsed->point->y, 1);
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\pvnmenu"}), MenuSession::recentLines())
        << "a file's folder is recorded with FHistory whatever the answer";
}

// The real tray shows the shell's context menu over the folder menu and runs the Ctrl+letter
// commands bound at installation; the folder menu stays open while the tray answers "nothing".
// Disabled: under Wine the tray's context menu is shown with no foreground window at all once the
// tray has its file-operation and preview windows too, so the Escape below reaches no menu. The
// tray's own tests (ItemCommandsWinTest) cover the context menu and its keys meanwhile.
TEST_F(MainProgram, DISABLED_TheRealTrayShowsContextMenusAndRunsCtrlLetters) {
    MenuSession::setNumber(L"FHistory", 0);
    ASSERT_TRUE(session.startTray());
    BoxWatcher boxes;
    ASSERT_TRUE(session.open(folder.path()));
    const POINT open = session.itemCentre(0, 0);
    session.input(L"click right " + std::to_wstring(open.x) + L" " + std::to_wstring(open.y) + L" sleep 500");
    EXPECT_EQ(2u, MenuSession::menuWindows().size()) << "the tray's context menu over the folder menu";
    session.input(L"key 0x1B sleep 300");
    ASSERT_FALSE(session.finish(300)) << "nothing chosen: the folder menu stays";
    EXPECT_EQ(1u, MenuSession::menuWindows().size());
    // tool.exe: Tab shows its context menu; Ctrl+K (a command prompt) does not fit a file.
    session.input(std::wstring(kDown) + L" " + kDown + L" " + kDown + L" key 0x09 sleep 500");
    EXPECT_EQ(2u, MenuSession::menuWindows().size());
    session.input(L"key 0x1B sleep 300 key 0x11+0x4B sleep 300");
    ASSERT_FALSE(session.finish(300)) << "Ctrl+K answered 0";
    // Ctrl+N puts the path on the clipboard and closes the menu.
    session.input(L"key 0x11+0x4E");
    EXPECT_EQ(0u, session.finish().value_or(99));
    std::wstring clip;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
                clip = text;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    EXPECT_EQ(tool, clip);
    EXPECT_TRUE(boxes.texts().empty()) << "the tray answered every request";
    EXPECT_TRUE(MenuSession::filerRecord(folder.path()).empty()) << "tool.exe did not run";
    EXPECT_TRUE(MenuSession::recentLines().empty()) << "開く is recorded only when the tray answers 1";
}

TEST_F(MainProgram, CtrlLetterOnAFileSendsCode10AndClosesWhenHandled) {
    ASSERT_TRUE(session.startRecordingTray(1));
    ASSERT_TRUE(session.open(folder.path()));
    session.input(std::wstring(kDown) + L" " + kDown + L" " + kDown + L" key 0x11+0x43");
    EXPECT_EQ(0u, session.finish().value_or(99)) << "the menu closed";
    auto requests = session.requests(10);
    ASSERT_EQ(1u, requests.size()) << "handled once";
    EXPECT_EQ(tool, requestPath(requests[0], 0));
    EXPECT_EQ(folder.path(), requestPath(requests[0], 1));
    EXPECT_EQ((4LL | (3LL << 16)), requests[0].lParam) << "kind 4 (file), Ctrl+C";
    EXPECT_TRUE(MenuSession::filerRecord(folder.path()).empty()) << "the menu's own choice is ignored";
}

TEST_F(MainProgram, CtrlLetterLeavesTheMenuOpenWhenTheTrayAnswers0) {
    ASSERT_TRUE(session.startRecordingTray(0));
    BoxWatcher boxes;
    ASSERT_TRUE(session.open(folder.path()));
    session.input(L"key 0x11+0x41 sleep 300");
    EXPECT_FALSE(session.finish(300)) << "still open";
    session.input(L"key 0x1B");
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto requests = session.requests(10);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(L"no text", requestPath(requests[0], 0)) << "nothing highlighted";
    EXPECT_EQ((1LL << 16), requests[0].lParam);
}

TEST_F(MainProgram, SpaceAsksForAPreviewAndKeepsTheMenuOpen) {
    ASSERT_TRUE(session.startRecordingTray());
    ASSERT_TRUE(session.open(folder.path()));
    session.input(std::wstring(kDown) + L" " + kDown + L" " + kDown + L" key 0x20 sleep 300");
    ASSERT_FALSE(session.finish(300)) << "space does not choose the item";
    session.input(L"key 0x1B");
    EXPECT_EQ(0u, session.finish().value_or(99));
    EXPECT_TRUE(MenuSession::filerRecord(folder.path()).empty()) << "tool.exe did not run";
    std::vector<LoggedRequest> shows;
    for (LoggedRequest& r : session.requests(100))
        if (r.lParam != 0)
            shows.push_back(r);
    ASSERT_EQ(1u, shows.size());
    EXPECT_EQ(static_cast<long long>(tool.size() + 26), shows[0].lParam);
    ASSERT_TRUE(shows[0].parsed && shows[0].parsed->placement);
    EXPECT_EQ(session.itemHeight(), shows[0].parsed->placement->bottom - shows[0].parsed->placement->top);
    EXPECT_EQ(tool, requestPath(shows[0]));
    EXPECT_GE(session.requests(100).size(), 4u) << "every highlight change drops the preview";
}

TEST_F(MainProgram, FileNumShowsTheCountInsteadOfTooManyFiles) {
    for (int i = 0; i < 150; ++i)
        folder.file(L"many" + std::to_wstring(1000 + i) + L".txt");
    MenuSession::setNumber(L"FileNum", 100);
    ASSERT_TRUE(session.startRecordingTray());
    ASSERT_TRUE(session.open(folder.path()));
    auto menus = MenuSession::menuWindows();
    ASSERT_EQ(1u, menus.size());
    const RECT r = MenuSession::windowRect(menus[0]);
    // 開く, sub, the count item, About and two separators instead of 153 items.
    EXPECT_LT(r.bottom - r.top, 6 * session.itemHeight() + 2 * kSeparatorHeight);
    // Ctrl+letter on the information item is ignored.
    session.input(std::wstring(kDown) + L" " + kDown + L" " + kDown + L" key 0x11+0x41 sleep 300 key 0x1B");
    EXPECT_EQ(0u, session.finish().value_or(99));
    EXPECT_TRUE(session.requests(10).empty());
    EXPECT_EQ(sub, MenuSession::readText(L"LastMenuItem"));
}

TEST_F(MainProgram, FilesTogetherGroupIsFilledWithTheFolderFiles) {
    MenuSession::setNumber(L"FTogether", 1);
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    // 開く, sub, <ファイル> -> opened: tool.exe first and only.
    session.input(std::wstring(kDown) + L" " + kDown + L" " + kDown + L" key 0x27 sleep 300");
    EXPECT_EQ(2u, MenuSession::menuWindows().size());
    session.input(L"key 0x0D");
    EXPECT_EQ(0u, session.finish().value_or(99));
    EXPECT_EQ(2u, MenuSession::filerRecord(folder.path()).size()) << "tool.exe ran from the group";
    EXPECT_EQ(tool, MenuSession::readText(L"LastMenuItem")) << "the group itself is never the last item";
}

TEST_F(MainProgram, DraggingAnItemOutOfTheMenuClosesIt) {
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    const POINT p = session.itemCentre(2, 1); // tool.exe
    const std::wstring x = std::to_wstring(p.x), y = std::to_wstring(p.y);
    session.input(L"move " + x + L" " + y + L" sleep 200 down 1 move " + std::to_wstring(p.x + 300) + L" " +
                  y + L" move " + std::to_wstring(p.x + 320) + L" " + std::to_wstring(p.y + 100) +
                  L" sleep 300 up 1");
    EXPECT_EQ(0u, session.finish(8000).value_or(99)) << "the menu closes after a drag";
    EXPECT_TRUE(MenuSession::filerRecord(folder.path()).empty()) << "the press did not choose the file";
    EXPECT_EQ(tool, MenuSession::readText(L"LastMenuItem"));
}

TEST_F(MainProgram, BackspaceReturnsToOpen) {
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    session.input(std::wstring(kDown) + L" " + kDown + L" " + kDown + L" key 0x08 sleep 200 key 0x0D");
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto record = MenuSession::filerRecord();
    ASSERT_FALSE(record.empty()) << "Enter chose 開く, not tool.exe";
    EXPECT_EQ(folder.path(), record[0]);
    EXPECT_TRUE(MenuSession::filerRecord(folder.path()).empty());
}

TEST_F(MainProgram, ATrayThatWentAwayIsReportedOnTheNextHighlight) {
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    session.stopTray();
    BoxWatcher boxes;
    session.input(std::wstring(kDown) + L" sleep 500");
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(L"PVNTray.exe が常駐していない！", boxes.texts()[0]);
    session.input(L"sleep 300 key 0x1B key 0x1B");
    EXPECT_EQ(0u, session.finish().value_or(99));
}

TEST_F(MainProgram, OpenShiftPutsTheCursorOnTheFirstItem) {
    MenuSession::setNumber(L"OpenShift", 1);
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    Sleep(300);
    auto menus = MenuSession::menuWindows();
    ASSERT_EQ(1u, menus.size());
    const RECT r = MenuSession::windowRect(menus[0]);
    POINT cursor{};
    GetCursorPos(&cursor);
    const int h = session.itemHeight();
    EXPECT_GT(cursor.x, r.left);
    EXPECT_GT(cursor.y, r.top);
    EXPECT_LT(cursor.y, r.top + h + kMenuTopMargin) << "on 開く";
    session.input(L"key 0x0D");
    EXPECT_EQ(0u, session.finish().value_or(99));
    auto record = MenuSession::filerRecord();
    ASSERT_FALSE(record.empty()) << "Enter chose the item under the cursor";
    EXPECT_EQ(folder.path(), record[0]);
}

TEST_F(MainProgram, MovingFarWhileTheButtonIsHeldShowsNoMenu) {
    ASSERT_TRUE(session.startTray());
    session.input(L"move 400 300 down 1");
    ASSERT_TRUE(session.startMain(folder.path()));
    ASSERT_TRUE(waitForWindow(L"PVNMAINWINCLASS", nullptr, 10000));
    session.input(L"move 400 420 sleep 100 up 1");
    EXPECT_EQ(0u, session.finish().value_or(99));
    EXPECT_TRUE(MenuSession::menuWindows().empty());
    EXPECT_EQ(folder.path(), MenuSession::readText(L"LastMenuItem"));
}

TEST_F(MainProgram, PosFixOpensTheMenuAtTheFixedPoint) {
    MenuSession::setNumber(L"PosFix", 1);
    ASSERT_TRUE(session.startTray());
    ASSERT_TRUE(session.open(folder.path()));
    auto menus = MenuSession::menuWindows();
    ASSERT_EQ(1u, menus.size());
    const RECT r = MenuSession::windowRect(menus[0]);
    EXPECT_EQ(10, r.left);
    EXPECT_EQ(10, r.top);
    session.input(L"key 0x1B");
    EXPECT_EQ(0u, session.finish().value_or(99));
}

} // namespace
} // namespace pvn::test
