// The item context menu (request 3) and the Ctrl+letter commands (request 10) of the real tray,
// asked the way PVNMain asks them and judged by what the user sees: menus, boxes, the clipboard,
// files, and the programs the tray starts (stand-ins that record their command lines).
#include "common/RegKey_win.h"
#include "common/RequestPayload.h"
#include "common/Settings_win.h"
#include "common/SettingsTable.h"
#include "common/TraySender_win.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/TestFiles_win.h"
#include "common/tests/support/TrayInstall_win.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <future>

namespace pvn::test {
namespace {

DWORD processOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

// A visible dialog of the process, such as the shell's confirmation.
HWND waitForDialogOf(DWORD pid, DWORD milliseconds = 5000) {
    const DWORD start = GetTickCount();
    do {
        struct Search {
            DWORD pid;
            HWND found = nullptr;
        } search{pid};
        EnumWindows(
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                wchar_t name[16] = {};
                if (processOf(w) == s->pid && IsWindowVisible(w) && GetClassNameW(w, name, 16) &&
                    lstrcmpW(name, L"#32770") == 0) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

std::optional<std::wstring> clipboardText() {
    std::optional<std::wstring> text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
        if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    CloseClipboard();
    return text;
}

std::vector<std::wstring> clipboardFiles() {
    std::vector<std::wstring> files;
    if (!OpenClipboard(nullptr))
        return files;
    if (auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP))) {
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            wchar_t path[MAX_PATH] = L"";
            DragQueryFileW(drop, i, path, MAX_PATH);
            files.emplace_back(path);
        }
    }
    CloseClipboard();
    return files;
}

void clearClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ItemCommandsWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(400, 400);
        data = install.makeFolder(L"data");
        sub = install.makeFolder(L"data\\sub");
        file = data + L"\\a b.txt";
        writeWholeFile(file, "x");
        clearClipboard();
        // The tray answers requests from the moment it publishes its handle; it stores the menu
        // metrics once its item commands are there too.
        install.removeValue(settingName(SettingId::IconWidth));
        ASSERT_TRUE(install.start());
        tray = install.waitForTray();
        ASSERT_TRUE(tray);
        DWORD metrics = 0;
        for (int i = 0; i < 100 && !openSettingsForReading().readDword(settingName(SettingId::IconWidth), metrics); ++i)
            Sleep(50);
    }

    LRESULT ctrl(wchar_t letter, unsigned kind, const std::wstring& item, const std::wstring& folder) {
        const TrayReply reply =
            TraySender(tray).send(makeCtrlLetterRequest(kind, static_cast<unsigned>(letter - L'A' + 1), item, folder));
        EXPECT_EQ(TraySendStatus::Answered, reply.status) << static_cast<char>(letter);
        return reply.answer;
    }

    // Request 3 from another thread: it waits while the menu and its command run.
    std::future<LRESULT> contextMenu(const std::wstring& item, POINT at) {
        return std::async(std::launch::async, [this, item, at] {
            const TrayReply reply = TraySender(tray).send(makeContextMenuRequest({at.x, at.y}, item, 0));
            return reply.status == TraySendStatus::Answered ? reply.answer : -static_cast<LRESULT>(reply.status);
        });
    }

    std::wstring mainCall(const std::wstring& args) { return L"PVNMain.exe|" + args + L"|" + install.folder(); }

    TrayInstall install;
    HWND tray = nullptr;
    std::wstring data, sub, file;
};

TEST_F(ItemCommandsWinTest, WordsThatDoNotFitTheItemAnswerNothing) {
    BoxWatcher boxes;
    install.setText(L"CtrlB", L"none");
    install.removeValue(L"CtrlE");
    install.setText(L"CtrlG", L"");
    for (wchar_t letter : {L'B', L'E', L'G'})
        EXPECT_EQ(0, ctrl(letter, 4, file, data)) << static_cast<char>(letter);
    EXPECT_EQ(0, ctrl(L'K', 4, file, data)) << "a command prompt only for a folder";
    EXPECT_EQ(0, ctrl(L'P', 3, sub, data)) << "printing only a file";
    EXPECT_EQ(0, ctrl(L'M', 3, L"C:\\", L"no text")) << "a drive cannot be renamed";
    // The drive menu's "開く": its item is "no text", or the block carries nothing at all.
    for (wchar_t letter : {L'N', L'C', L'D', L'F', L'K', L'R'})
        EXPECT_EQ(0, ctrl(letter, 2, L"", L"")) << static_cast<char>(letter);
    RequestPayload empty = makeCtrlLetterRequest(2, 14, L"", L"");
    empty.data.assign(2, std::byte{0});
    EXPECT_EQ(0, TraySender(tray).answer(empty)) << "an empty block is no item, not a refused request";
    EXPECT_EQ(0, ctrl(L'A', 3, sub, L"\\\\server\\share")) << "no menu above a share";
    Sleep(300);
    EXPECT_TRUE(install.calls().empty());
    EXPECT_FALSE(clipboardText());
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_TRUE(exists(file));
}

TEST_F(ItemCommandsWinTest, ClipboardWordsAndStoredCommandLines) {
    EXPECT_EQ(1, ctrl(L'N', 4, file, data));
    EXPECT_EQ(file, clipboardText().value_or(L"-")) << "the path as it is, never quoted";
    keyDown(VK_SHIFT);
    const LRESULT shifted = ctrl(L'N', 4, file, data);
    keyUp(VK_SHIFT);
    EXPECT_EQ(1, shifted);
    std::wstring doubled;
    for (wchar_t c : file)
        doubled += c == L'\\' ? std::wstring(L"\\\\") : std::wstring(1, c);
    EXPECT_EQ(doubled, clipboardText().value_or(L"-"));

    EXPECT_EQ(1, ctrl(L'C', 4, file, data));
    EXPECT_EQ(std::vector<std::wstring>{file}, clipboardFiles()) << "copied for the shell to paste";

    install.setText(L"CtrlL", L"\"" + install.folder() + L"\\Filer.exe\" open %l");
    EXPECT_EQ(1, ctrl(L'L', 4, file, data));
    ASSERT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(L"Filer.exe|open " + file + L"|" + install.folder(), install.calls()[0]);
    install.setText(L"CtrlL", L"\"" + install.folder() + L"\\missing.exe\" %l");
    EXPECT_EQ(0, ctrl(L'L', 4, file, data)) << "a command line that does not start";
}

TEST_F(ItemCommandsWinTest, UpAndUndoShowTheMenuOfTheRightFolder) {
    // Each start is recorded before the next request: the recorders would otherwise race.
    EXPECT_EQ(1, ctrl(L'Z', 0, L"no text", L"no text")) << "undo in the drive list";
    ASSERT_TRUE(install.waitForCalls(1));
    EXPECT_EQ(1, ctrl(L'Z', 3, sub, L"\\\\server\\share\\dir"));
    ASSERT_TRUE(install.waitForCalls(2));
    EXPECT_EQ(1, ctrl(L'A', 3, L"C:\\x", L"C:\\")) << "up from a drive: the drive list";
    ASSERT_TRUE(install.waitForCalls(3));
    EXPECT_EQ(1, ctrl(L'A', 3, sub, L"\\\\server\\share\\dir"));
    EXPECT_EQ(0, ctrl(L'A', 0, L"no text", L"no text"));
    ASSERT_TRUE(install.waitForCalls(4));
    EXPECT_EQ((std::vector<std::wstring>{mainCall(L""), mainCall(L"\\\\server\\share\\dir"), mainCall(L""),
                                         mainCall(L"\\\\server\\share")}),
              install.calls());
}

TEST_F(ItemCommandsWinTest, DeleteAnswersBeforeTheShellAsksAndActsOnItsOwnItem) {
    const std::wstring other = data + L"\\other.txt";
    writeWholeFile(other, "y");
    EXPECT_EQ(3, ctrl(L'D', 4, other, data));
    EXPECT_TRUE(exists(other)) << "answered before anything was deleted";
    HWND confirm = waitForDialogOf(install.process().pid());
    ASSERT_TRUE(confirm) << "the shell's own confirmation";
    pressButton(confirm, IDNO);
    Sleep(500);
    EXPECT_TRUE(exists(other));

    EXPECT_EQ(3, ctrl(L'D', 4, file, data));
    // Another request replaces the tray's item list before the posted deletion asks.
    EXPECT_EQ(0, ctrl(L'K', 4, other, data));
    confirm = waitForDialogOf(install.process().pid());
    ASSERT_TRUE(confirm);
    pressButton(confirm, IDYES);
    const DWORD start = GetTickCount();
    while (exists(file) && GetTickCount() - start < 5000)
        Sleep(50);
    EXPECT_FALSE(exists(file)) << "the item of the Ctrl+D request";
    EXPECT_TRUE(exists(other)) << "not the item of the later request";
    EXPECT_EQ(1, sendRequest(tray, 4).value_or(0));
}

TEST_F(ItemCommandsWinTest, ContextMenuAtThePointEscapeDeleteAndASecondRequestMeanwhile) {
    auto escaped = contextMenu(file, {300, 200});
    HWND menu = waitForPopupMenu();
    ASSERT_TRUE(menu);
    EXPECT_EQ(install.process().pid(), processOf(menu));
    RECT r{};
    GetWindowRect(menu, &r);
    EXPECT_LE(std::abs(r.left - 300), 2);
    EXPECT_LE(std::abs(r.top - 200), 2);
    tapKey(VK_ESCAPE);
    EXPECT_EQ(2, escaped.get()) << "nothing chosen";
    EXPECT_TRUE(exists(file));

    // The drive menu's "開く" carries no path: the Computer folder's menu.
    auto computer = contextMenu(L"", {320, 220});
    const bool shown = waitForPopupMenu() != nullptr;
    tapKey(VK_ESCAPE);
    EXPECT_EQ(2, computer.get());
    ASSERT_TRUE(shown);

    auto deleted = contextMenu(file, {300, 200});
    ASSERT_TRUE(waitForPopupMenu());
    tapKey('D'); // the shell's delete entry
    HWND confirm = waitForDialogOf(install.process().pid());
    ASSERT_TRUE(confirm);
    // The first request still waits for the shell's box. A second sender finds the section in use
    // and sends nothing; one that sends anyway gets no menu nested inside the first one's command.
    EXPECT_EQ(-static_cast<LRESULT>(TraySendStatus::SectionBusy), contextMenu(sub, {300, 200}).get());
    auto second = std::async(std::launch::async, [this] { return sendRequest(tray, 3).value_or(-1); });
    ASSERT_EQ(std::future_status::ready, second.wait_for(std::chrono::seconds(5)));
    EXPECT_EQ(2, second.get());
    pressButton(confirm, IDNO);
    EXPECT_EQ(3, deleted.get()) << "delete was chosen, whatever the shell then did";
    EXPECT_TRUE(exists(file));
    EXPECT_EQ(1, sendRequest(tray, 4).value_or(0));
}

} // namespace
} // namespace pvn::test
