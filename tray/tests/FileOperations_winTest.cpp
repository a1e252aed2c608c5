// The file-operation menu of the real tray, reached as the shell extension reaches it (request 5)
// and driven through its accelerators; the file system, the recent list, the boxes and the
// Explorer windows tell what happened.
#include "common/Handle_win.h"
#include "common/MenuWindow_win.h"
#include "common/RequestPayload.h"
#include "common/TraySender_win.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Driver_win.h"
#include "common/tests/support/Process_win.h"
#include "common/tests/support/TestFiles_win.h"
#include "common/tests/support/TrayInstall_win.h"

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cwctype>

namespace pvn::test {
namespace {

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// AppendRecentFolder lower-cases the first character.
std::wstring asRecorded(std::wstring path) {
    if (!path.empty())
        path[0] = static_cast<wchar_t>(std::towlower(path[0]));
    return path;
}

std::wstring lastComponent(const std::wstring& path) { return path.substr(path.rfind(L'\\') + 1); }

// The target a shell link file points to.
std::wstring linkTarget(const std::wstring& link) {
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink))))
        return L"no link object";
    std::wstring target = L"not loaded";
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = L"";
        if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
            SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
            target = path;
        file->Release();
    }
    shellLink->Release();
    return target;
}

// A top-level window of Explorer showing the folder (its title is the folder's name); closed once
// found, so that no window is left behind.
bool closeExplorerShowing(const std::wstring& folder, DWORD milliseconds = 8000) {
    const std::wstring title = lastComponent(folder);
    const DWORD start = GetTickCount();
    do {
        HWND found = nullptr;
        for (HWND w = FindWindowExW(nullptr, nullptr, nullptr, title.c_str()); w;
             w = FindWindowExW(nullptr, w, nullptr, title.c_str())) {
            wchar_t className[64] = L"";
            GetClassNameW(w, className, 64);
            if (lstrcmpW(className, L"#32770") != 0)
                found = w;
        }
        if (found) {
            PostMessageW(found, WM_CLOSE, 0, 0);
            return true;
        }
        Sleep(100);
    } while (GetTickCount() - start < milliseconds);
    return false;
}

// The next "Parvane" box: its text, answered with the button.
std::wstring answerBox(int button, DWORD milliseconds = 5000) {
    const DWORD start = GetTickCount();
    do {
        HWND box = findBox();
        if (box && IsWindowVisible(box)) {
            std::wstring text = messageBoxText(box);
            pressButton(box, button);
            for (int i = 0; i < 100 && IsWindow(box); ++i)
                Sleep(20);
            return text;
        }
        Sleep(20);
    } while (GetTickCount() - start < milliseconds);
    return L"(no box)";
}

// The input box: its edit text, and a new text confirmed with OK.
std::wstring inputText(HWND box) {
    wchar_t text[MAX_PATH] = L"";
    GetDlgItemTextW(box, 9102, text, MAX_PATH);
    return text;
}
void enterText(HWND box, const std::wstring& text) {
    SendDlgItemMessageW(box, 9102, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    pressButton(box, 9103);
}

class FileOperationsWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(300, 300);
        source = install.makeFolder(L"src");
        dest = install.makeFolder(L"dest");
        item = source + L"\\a.txt";
        writeWholeFile(item, "alpha");
    }

    void startTray() {
        ASSERT_TRUE(install.start());
        tray = install.waitForTray();
        ASSERT_TRUE(tray);
    }

    // Request 5 with the items; the menu then opens at the pointer and the keys choose in it: each
    // key but the last opens a sub-menu, the last closes the menu. A key the menu has not taken
    // (it may still be starting its loop) is pressed again.
    bool choose(const std::vector<std::wstring>& items, std::initializer_list<WORD> keys) {
        moveMouse(300, 300);
        if (TraySender(tray).answer(makeFileOperationRequest(items)) != 1 || !waitForPopupMenu())
            return false;
        std::size_t open = 1;
        std::size_t pressed = 0;
        for (WORD key : keys) {
            const bool last = ++pressed == keys.size();
            bool taken = false;
            for (int attempt = 0; attempt < 3 && !taken; ++attempt) {
                tapKey(key);
                taken = last ? waitForNoPopupMenu(1500) : waitForMenuCount(open + 1, 1500);
            }
            if (!taken)
                return false;
            ++open;
        }
        return true;
    }

    static std::size_t visibleMenuCount() {
        std::size_t count = 0;
        for (HWND w = FindWindowExW(nullptr, nullptr, kMenuWindowClass, nullptr); w;
             w = FindWindowExW(nullptr, w, kMenuWindowClass, nullptr))
            count += IsWindowVisible(w) ? 1 : 0;
        return count;
    }
    static bool waitForMenuCount(std::size_t n, DWORD milliseconds) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(50))
            if (visibleMenuCount() >= n)
                return true;
        return false;
    }

    TrayInstall install;
    HWND tray = nullptr;
    std::wstring source, dest, item;
};

TEST_F(FileOperationsWinTest, CopyToAFavouriteThenSaysDoneOrShowsTheCopy) {
    install.writeFavorites({dest});
    install.writeRecent({source});
    startTray();
    struct Case {
        DWORD fopAfter;
        std::vector<std::wstring> boxes;
        bool explorer;
    };
    for (const Case& c : {Case{1, {L"コピー完了"}, false}, Case{2, {}, true}, Case{0, {}, false}}) {
        SCOPED_TRACE(c.fopAfter);
        DeleteFileW((dest + L"\\a.txt").c_str());
        install.setNumber(L"FOPAfter", c.fopAfter);
        ASSERT_EQ(1, sendRequest(tray, 9).value_or(0));
        BoxWatcher boxes;
        ASSERT_TRUE(choose({item}, {'D', VK_RETURN}));
        if (!c.boxes.empty()) {
            EXPECT_TRUE(boxes.waitFor(c.boxes.size()));
        }
        EXPECT_EQ(c.explorer, closeExplorerShowing(dest, c.explorer ? 8000 : 1000));
        EXPECT_EQ("alpha", readWholeFile(dest + L"\\a.txt"));
        EXPECT_TRUE(exists(item)) << "copied, not moved";
        EXPECT_EQ(c.boxes, boxes.texts());
        const auto recent = install.readRecent();
        ASSERT_FALSE(recent.empty());
        EXPECT_EQ(asRecorded(dest), recent.back());
        EXPECT_EQ(1, sendRequest(tray, 4).value_or(0)) << "the tray answers again";
    }
}

TEST_F(FileOperationsWinTest, ShortcutsOfAFileAndADriveRoot) {
    ScopedCoInit com;
    const std::wstring gone = install.folder() + L"\\gone";
    install.writeFavorites({gone});
    install.writeRecent({source, dest});
    install.setNumber(L"FOPAfter", 1);
    startTray();
    BoxWatcher boxes;
    // Shortcut into the newest recent folder (sorted by path: dest comes first).
    ASSERT_TRUE(choose({item}, {'S', VK_RETURN}));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(item, linkTarget(dest + L"\\a.txtへのショートカット.lnk"));
    // A drive root, twice.
    ASSERT_TRUE(choose({L"C:\\"}, {'S', VK_RETURN}));
    ASSERT_TRUE(boxes.waitFor(2));
    EXPECT_TRUE(exists(dest + L"\\Cドライブへのショートカット.lnk"));
    ASSERT_TRUE(choose({L"C:\\"}, {'S', VK_RETURN}));
    ASSERT_TRUE(boxes.waitFor(3));
    // A favourite that is no longer there.
    ASSERT_TRUE(choose({item}, {'D', VK_RETURN}));
    ASSERT_TRUE(boxes.waitFor(4));
    EXPECT_EQ((std::vector<std::wstring>{L"ショートカットの作成完了", L"ショートカットの作成完了",
                                         L"ショートカットはすでに存在しています。", L"フォルダがありません"}),
              boxes.texts());
    EXPECT_FALSE(exists(gone + L"\\a.txt"));
    EXPECT_EQ((std::vector<std::wstring>{source, dest, asRecorded(dest), asRecorded(dest)}), install.readRecent())
        << "each shortcut's folder once; nothing for the refused ones";
}

TEST_F(FileOperationsWinTest, RenameAsksBeforeTheExtensionChangesAndRefusesBadNames) {
    install.setNumber(L"FOPRename", 1);
    startTray();
    ASSERT_TRUE(choose({item}, {'A'}));
    HWND box = waitForDialog(item.c_str());
    ASSERT_TRUE(box);
    EXPECT_EQ(L"a.txt", inputText(box));
    enterText(box, L"b.log");
    EXPECT_EQ(L"拡張子を変えていいですか？", answerBox(IDNO));
    box = waitForDialog(item.c_str());
    ASSERT_TRUE(box);
    EXPECT_EQ(L"a.txt", inputText(box)) << "No shows the current name again";
    enterText(box, L"");
    EXPECT_EQ(L"入力されていません", answerBox(IDOK));
    ASSERT_TRUE(IsWindow(box)) << "the box stays open";
    enterText(box, L"..\\b.txt");
    EXPECT_NE(std::wstring::npos, answerBox(IDOK).find(L"使えません"));
    box = waitForDialog(item.c_str());
    ASSERT_TRUE(box);
    EXPECT_EQ(L"..\\b.txt", inputText(box)) << "the typed text comes back to be mended";
    enterText(box, L"b.log");
    EXPECT_EQ(L"拡張子を変えていいですか？", answerBox(IDYES));
    EXPECT_EQ(L"名前の変更完了", answerBox(IDOK));
    EXPECT_EQ("alpha", readWholeFile(source + L"\\b.log"));
    EXPECT_FALSE(exists(item));
    EXPECT_FALSE(exists(install.folder() + L"\\b.txt"));

    // Same extension: no question. A request replacing the tray's items meanwhile changes nothing.
    const std::wstring archive = source + L"\\a.tar.gz";
    writeWholeFile(archive, "gz");
    ASSERT_TRUE(choose({archive}, {'A'}));
    box = waitForDialog(archive.c_str());
    ASSERT_TRUE(box);
    ASSERT_EQ(1, TraySender(tray).answer(makeFileOperationRequest({source + L"\\b.log"})));
    if (waitForPopupMenu(2000))
        tapKey(VK_ESCAPE);
    ASSERT_TRUE(waitForNoPopupMenu());
    enterText(box, L"b.tar.gz");
    EXPECT_EQ(L"名前の変更完了", answerBox(IDOK));
    EXPECT_EQ("gz", readWholeFile(source + L"\\b.tar.gz"));
    EXPECT_EQ("alpha", readWholeFile(source + L"\\b.log"));
}

TEST_F(FileOperationsWinTest, ACopyCancelledInTheConflictBoxIsNotDone) {
    install.writeFavorites({dest});
    install.setNumber(L"FOPAfter", 1);
    writeWholeFile(dest + L"\\a.txt", "older");
    install.writeRecent({source});
    startTray();
    BoxWatcher parvane;
    ASSERT_TRUE(choose({item}, {'D', VK_RETURN}));
    // The shell's own box, of the tray's process, with another title than ours.
    HWND conflict = nullptr;
    for (int i = 0; i < 100 && !conflict; ++i) {
        for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w;
             w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            wchar_t title[64] = L"";
            GetWindowTextW(w, title, 64);
            if (pid == install.process().pid() && IsWindowVisible(w) && lstrcmpW(title, L"Parvane") != 0)
                conflict = w;
        }
        Sleep(50);
    }
    ASSERT_TRUE(conflict) << "no conflict box";
    pressButton(conflict, IDCANCEL);
    Sleep(1500);
    EXPECT_EQ("older", readWholeFile(dest + L"\\a.txt"));
    EXPECT_TRUE(parvane.texts().empty()) << toUtf8(parvane.texts().empty() ? L"" : parvane.texts()[0]);
    EXPECT_EQ(std::vector<std::wstring>{source}, install.readRecent()) << "nothing recorded";
}

// Wine's shell moves one item but refuses to move several at once (1223, aborted), which
// Windows does: several items are copied here; the move's arguments differ only in the selector.
TEST_F(FileOperationsWinTest, SeveralItemsCopyToAFavouriteAndOneMovesIntoAChosenFolder) {
    install.writeFavorites({dest});
    install.setNumber(L"FOPAfter", 1);
    const std::vector<std::wstring> items{item, source + L"\\b.txt", source + L"\\資料.txt"};
    for (const auto& path : items)
        writeWholeFile(path, "x");
    startTray();
    BoxWatcher boxes;
    ASSERT_TRUE(choose(items, {'D', VK_RETURN}));
    ASSERT_TRUE(boxes.waitFor(1));
    for (const auto& path : items) {
        EXPECT_TRUE(exists(path));
        EXPECT_TRUE(exists(dest + L"\\" + lastComponent(path))) << toUtf8(path);
    }

    // "その他": the folder dialog starts in the item's folder; its only sub-folder is chosen.
    const std::wstring into = install.makeFolder(L"src\\into");
    ASSERT_TRUE(choose({item}, {'P'}));
    HWND dialog = nullptr;
    for (int i = 0; i < 100 && !dialog; ++i, Sleep(50))
        for (HWND w = FindWindowW(L"#32770", nullptr); w && !dialog; w = FindWindowExW(nullptr, w, L"#32770", nullptr))
            if (DWORD pid = 0; GetWindowThreadProcessId(w, &pid) && pid == install.process().pid() && IsWindowVisible(w))
                dialog = w;
    ASSERT_TRUE(dialog) << "no folder dialog";
    Sleep(500);
    tapKeys({VK_RIGHT, VK_DOWN});
    Sleep(300);
    pressButton(dialog, IDOK);
    ASSERT_TRUE(boxes.waitFor(2));
    EXPECT_EQ((std::vector<std::wstring>{L"コピー完了", L"移動完了"}), boxes.texts());
    EXPECT_EQ("x", readWholeFile(into + L"\\a.txt"));
    EXPECT_FALSE(exists(item));
    EXPECT_EQ((std::vector<std::wstring>{asRecorded(dest), asRecorded(into)}), install.readRecent());
}

} // namespace
} // namespace pvn::test
