// The preview window of the real tray, asked as PVNMain asks: request 100 with the item's placement
// and path. What it shows is checked through the window's size, which its lines fix exactly.
#include "common/FileTimeText_win.h"
#include "common/Handle_win.h"
#include "common/RequestCode.h"
#include "common/RequestPayload.h"
#include "common/TraySender_win.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/PreviewWindow_win.h"
#include "common/tests/support/Process_win.h"
#include "common/tests/support/TestFiles_win.h"
#include "common/tests/support/TrayInstall_win.h"
#include "tray/preview/tests/ArchiveBytes.h"
#include "tray/preview/tests/BitmapBytes.h"
#include "tray/preview/tests/WaveBytes.h"

#include <gtest/gtest.h>
#include <shlobj.h>

namespace pvn::test {
namespace {

using Lines = std::vector<std::wstring>;

std::string bytesOf(const std::vector<std::uint8_t>& b) { return std::string(b.begin(), b.end()); }

std::vector<std::uint8_t> zipOf(int count) {
    ZipLayout layout;
    for (int i = count; i >= 1; --i) {
        ZipEntryLayout e;
        e.name = "f" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".txt";
        layout.entries.push_back(e);
    }
    return buildZip(layout);
}

std::vector<std::uint8_t> cabOf(int count) {
    CabLayout layout;
    for (int i = 1; i <= count; ++i) {
        CabFileLayout f;
        f.name = "c" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".txt";
        layout.files.push_back(f);
    }
    return buildCab(layout);
}

Lines numbered(const wchar_t* prefix, int count) {
    Lines lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(prefix + std::wstring(i < 10 ? L"0" : L"") + std::to_wstring(i) + L".txt");
    lines.push_back(L" ：");
    return lines;
}

void setTimes(const std::wstring& path, std::uint64_t written, std::uint64_t accessed) {
    UniqueFile f(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr));
    FILETIME w{static_cast<DWORD>(written), static_cast<DWORD>(written >> 32)};
    FILETIME a{static_cast<DWORD>(accessed), static_cast<DWORD>(accessed >> 32)};
    SetFileTime(f.get(), nullptr, &a, &w);
}

std::wstring timeText(std::uint64_t t) {
    return fileTimeText(FILETIME{static_cast<DWORD>(t), static_cast<DWORD>(t >> 32)});
}

bool makeShortcut(const std::wstring& at, const std::wstring& target, const std::wstring& work,
                  const std::wstring& description, const std::wstring& arguments) {
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid())))
        return false;
    link->SetPath(target.c_str());
    if (!work.empty())
        link->SetWorkingDirectory(work.c_str());
    if (!description.empty())
        link->SetDescription(description.c_str());
    if (!arguments.empty())
        link->SetArguments(arguments.c_str());
    ComPtr<IPersistFile> file = link.as<IPersistFile>(IID_IPersistFile);
    return file && SUCCEEDED(file->Save(at.c_str(), TRUE));
}

class TrayPreviewWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(200, 200);
        ASSERT_TRUE(install.start());
        tray = install.waitForTray();
        ASSERT_TRUE(tray);
        preview = previewWindowOf(install.process().pid());
        ASSERT_TRUE(preview) << "the tray made its preview window";
        // A stand-in for the menu window the item lies in.
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PvnPreviewTestMenu";
        RegisterClassW(&wc);
        menu.reset(CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 100, 100, 200, 300, nullptr,
                                   nullptr, wc.hInstance, nullptr));
        ASSERT_TRUE(menu);
    }

    SelectionPlacement itemOf(HWND window) const {
        SelectionPlacement p;
        p.window = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
        p.left = 3;
        p.top = 20;
        p.right = 150;
        p.bottom = 39;
        return p;
    }

    // Asks for the preview of the path beside the item and waits for it.
    std::optional<RECT> show(const std::wstring& path, std::optional<SelectionPlacement> placement = {}) {
        if (TraySender(tray).answer(makePreviewRequest(placement.value_or(itemOf(menu.get())), path)) != 1)
            return std::nullopt;
        // SetItem parked the last preview inside the send; what shows now is this item's.
        return waitForPreviewShown(preview);
    }

    void expectLines(const std::wstring& path, const Lines& lines, const char* what) {
        std::optional<RECT> r = show(path);
        ASSERT_TRUE(r) << what;
        const SIZE expected = previewTextSize(lines);
        EXPECT_EQ(expected.cx, r->right - r->left) << what;
        EXPECT_EQ(expected.cy, r->bottom - r->top) << what;
    }

    TrayInstall install;
    HWND tray = nullptr;
    HWND preview = nullptr;
    UniqueWindow menu;
    ScopedCoInit com;
    FixtureFolder data{L"C:\\pvnprev"};
};

TEST_F(TrayPreviewWinTest, EveryTextKindShowsItsLines) {
    const std::string sjis = "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x65\x83\x4c\x83\x58\x83\x67\r\nline two\r\n";
    const std::string utf8 = "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae\xe3\x83\x86\xe3\x82\xad\xe3\x82\xb9"
                             "\xe3\x83\x88\r\nline two\r\n";
    std::string utf16 = "\xff\xfe";
    for (wchar_t c : std::wstring(L"日本語のテキスト\r\nline two\r\n"))
        utf16 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    const Lines japanese{L"日本語のテキスト", L"line two"};
    expectLines(data.file(L"sjis.txt", sjis), japanese, "Shift_JIS");
    expectLines(data.file(L"utf8.txt", utf8), japanese, "UTF-8");
    expectLines(data.file(L"utf16.txt", utf16), japanese, "UTF-16");

    expectLines(data.file(L"many.zip", bytesOf(zipOf(12))), numbered(L"f", 10), "ZIP, sorted, cut at TTNumText");
    expectLines(data.file(L"many.cab", bytesOf(cabOf(12))), numbered(L"c", 10), "cabinet");
    {
        BoxWatcher boxes;
        std::optional<RECT> r = show(data.file(L"broken.zip", "PK\x03\x04 not an archive"));
        ASSERT_TRUE(r);
        ASSERT_TRUE(boxes.waitFor(1));
        const SIZE expected = previewTextSize({boxes.texts().at(0)});
        EXPECT_EQ(expected.cx, r->right - r->left) << "the reader's error text in place of the listing";
    }

    const Lines empty{L"0バイト ファイル数:0 フォルダ数:0", L"最終更新 (不明) ", L"最終アクセス (不明) "};
    expectLines(data.folder(L"empty"), empty, "an empty folder");
    expectLines(data.path() + L"\\gone", empty, "a path that no longer exists");

    const std::wstring tree = data.folder(L"tree");
    data.folder(L"tree\\sub");
    const std::wstring older = data.file(L"tree\\older.txt", std::string(234, 'o'));
    const std::wstring newer = data.file(L"tree\\sub\\newer.txt", std::string(1234000, 'n'));
    const std::uint64_t t1 = 133000000000000000ull, t2 = 133100000000000000ull;
    setTimes(older, t1, t2);
    setTimes(newer, t2, t1);
    expectLines(tree,
                {L"1,234,234バイト ファイル数:2 フォルダ数:1", L"最終更新 " + timeText(t2) + L" sub\\newer.txt",
                 L"最終アクセス " + timeText(t2) + L" older.txt"},
                "a tree, with paths below the folder");

    const std::wstring target = data.file(L"target.txt", "t\r\n");
    ASSERT_TRUE(makeShortcut(data.path() + L"\\all.lnk", target, data.path(), L"説明の文", L"-a b"));
    expectLines(data.path() + L"\\all.lnk",
                {L"パス:" + target, L"作業フォルダ:" + data.path(), L"記述:説明の文", L"引数:-a b"}, "shortcut");
    ASSERT_TRUE(makeShortcut(data.path() + L"\\bare.lnk", target, L"", L"", L""));
    expectLines(data.path() + L"\\bare.lnk", {L"パス:" + target}, "shortcut with its target only");

    {
        // A log another program is writing.
        const std::wstring log = data.file(L"app.log", "");
        UniqueFile writer(CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        DWORD written = 0;
        WriteFile(writer.get(), "written now\r\n", 13, &written, nullptr);
        install.setText(L"AsTextExtList", L"txt;log;");
        ASSERT_EQ(1, sendRequest(tray, 9).value_or(0));
        expectLines(log, {L"written now"}, "a file open for writing elsewhere");
    }
    {
        const std::wstring locked = data.file(L"locked.bin", "x");
        UniqueFile holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        expectLines(locked, {L"ファイルオープンエラー"}, "a file nobody else may open");
    }

    install.setNumber(L"TTFileSize", 1);
    ASSERT_EQ(1, sendRequest(tray, 9).value_or(0));
    expectLines(data.file(L"exact.bin", std::string(1048576, 'e')), {L"プレビュー不可"}, "exactly the limit");
    expectLines(data.file(L"over.bin", std::string(1048577, 'e')), {L"ファイルが大きすぎます"}, "one byte more");
    install.setNumber(L"TTFileSize", 4096);
    ASSERT_EQ(1, sendRequest(tray, 9).value_or(0));
    expectLines(data.path() + L"\\over.bin", {L"プレビュー不可"}, "4096 MB is a limit like any other");
}

TEST_F(TrayPreviewWinTest, FontReloadChangesTheLineHeight) {
    const Lines empty{L"0バイト ファイル数:0 フォルダ数:0", L"最終更新 (不明) ", L"最終アクセス (不明) "};
    install.setNumber(L"TTFPoint10", 200);
    ASSERT_EQ(1, sendRequest(tray, 9).value_or(0));
    std::optional<RECT> r = show(data.folder(L"empty"));
    ASSERT_TRUE(r);
    const SIZE expected = previewTextSize(empty, L"ＭＳ ゴシック", 200);
    EXPECT_EQ(expected.cy, r->bottom - r->top);
    EXPECT_EQ(expected.cx, r->right - r->left);
    EXPECT_GT(expected.cy, previewTextSize(empty).cy);
}

TEST_F(TrayPreviewWinTest, PlacedBesideTheItemAndFlippedAtTheEdges) {
    const std::wstring item = data.folder(L"empty");
    const SIZE size = previewTextSize({L"0バイト ファイル数:0 フォルダ数:0", L"最終更新 (不明) ", L"最終アクセス (不明) "});
    const int step = 147 + 2 * GetSystemMetrics(SM_CXEDGE) + 1;
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    struct Case {
        const char* name;
        POINT menuAt; // null menu window when x < 0
        POINT cursor;
        POINT expected;
    };
    const Case cases[] = {
        {"right of the item at its bottom", {100, 100}, {50, 50}, {103 + step, 139}},
        {"flipped left at the right edge", {screenW - 160, 100}, {50, 50}, {screenW - 157 - size.cx, 139}},
        {"moved up at the bottom edge", {100, screenH - 60}, {50, 50}, {103 + step, screenH - 60 + 39 - size.cy}},
        {"beside the cursor without a menu", {-1, 0}, {500, 400}, {500 + step, 400}},
        {"left of the cursor at the right edge", {-1, 0}, {screenW - 20, 400}, {screenW - 20 - step - size.cx, 400}},
        {"above the cursor at the bottom", {-1, 0}, {500, screenH - 5}, {500 + step, screenH - 5 - 10 - size.cy}},
    };
    for (const Case& c : cases) {
        SetCursorPos(c.cursor.x, c.cursor.y);
        SelectionPlacement p = itemOf(nullptr);
        if (c.menuAt.x >= 0) {
            SetWindowPos(menu.get(), nullptr, c.menuAt.x, c.menuAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            p = itemOf(menu.get());
        }
        std::optional<RECT> r = show(item, p);
        ASSERT_TRUE(r) << c.name;
        EXPECT_EQ(c.expected.x, r->left) << c.name;
        EXPECT_EQ(c.expected.y, r->top) << c.name;
        EXPECT_TRUE(GetWindowLongW(preview, GWL_EXSTYLE) & WS_EX_TOPMOST) << c.name;
        EXPECT_NE(preview, GetForegroundWindow()) << c.name;
    }
    ASSERT_EQ(1, TraySender(tray).answer(makePreviewHideRequest()));
    const DWORD start = GetTickCount();
    while (!isParked(preview) && GetTickCount() - start < 5000)
        Sleep(20);
    EXPECT_TRUE(isParked(preview)) << "lParam 0 hides it";
}

// Grey, or white with a black block over [x0, x1) × [row0, row1).
std::string bitmap(std::int32_t width, std::int32_t height, RECT block = {}) {
    BitmapShape s;
    s.width = width;
    s.height = height;
    s.pixel = [block](std::int32_t x, std::int32_t row) {
        if (block.right == 0)
            return 0x808080u;
        return x >= block.left && x < block.right && row >= block.top && row < block.bottom ? 0u : 0xFFFFFFu;
    };
    return bytesOf(makeBitmap(s));
}

TEST_F(TrayPreviewWinTest, PicturesSoundsAndPagesGetTheirWindows) {
    const std::wstring plugins = data.folder(L"plugins");
    ASSERT_TRUE(CopyFileW((binFolder() + L"previewplugins\\Image.spi").c_str(), (plugins + L"\\Image.spi").c_str(),
                          FALSE));
    install.setText(L"SusiePluginDir", plugins);
    install.setNumber(L"TTWidth", 300);
    install.setNumber(L"TTHeight", 200);
    // Files: magic, mode, pad, width, height.
    std::string pvt = std::string("PVT1") + std::string(4, '\0');
    for (std::int32_t side : {90, 90})
        pvt.append(reinterpret_cast<const char*>(&side), 4);

    const std::wstring video = data.file(L"v.avi", aviVideo(480, 320, 2));
    BoxWatcher boxes;
    const int line = previewTextSize({L""}).cy;
    const int lengthText = previewTextSize({L"0:02"}).cx - 4;
    struct Case {
        const char* name;
        std::wstring path;
        DWORD edgeCut;
        SIZE window;
        const wchar_t* childClass; // nullptr: no child window
    };
    const Case cases[] = {
        // 1280 × 800 is read reduced; the window keeps the file's proportions: factor 300 / 1280.
        {"a large bitmap scaled into the box", data.file(L"big.bmp", bitmap(1280, 800)), 1, {302, 187 + line + 3},
         nullptr},
        {"a white frame cut", data.file(L"framed.bmp", bitmap(200, 150, {50, 40, 150, 100})), 1,
         {104, 62 + line + 3}, nullptr},
        {"the frame kept with the cut off", data.path() + L"\\framed.bmp", 0, {202, 150 + line + 3}, nullptr},
        {"a plug-in's picture, its frame cut", data.file(L"p.pvt", pvt), 1, {34, 32 + line + 3}, nullptr},
        {"a sound: the bar and its length", data.file(L"s.wav", wave(1500)), 1, {lengthText + 109, line + 6},
         nullptr},
        // 480 × 320 scaled by 0.625 to 300 × 200, with margins of 3 around it and the bar below.
        {"a video scaled into the box", video, 1, {306, 200 + line + 9}, nullptr},
        // Wine has no IExtractImage: the thumbnail step, the last one tried, gives nothing.
        {"a picture no step takes", data.file(L"photo.jpg", "\xFF\xD8\xFF\xE0 no picture"), 1,
         previewTextSize({L"プレビュー不可"}), nullptr},
        {"a web page in a child of the box", data.file(L"page.htm", "<html><body>page</body></html>"), 1, {300, 200},
         L"STATIC"},
    };
    for (const Case& c : cases) {
        install.setNumber(L"TTEdgeCut", c.edgeCut);
        ASSERT_EQ(1, sendRequest(tray, 9).value_or(0)) << c.name;
        std::optional<RECT> r = show(c.path);
        ASSERT_TRUE(r) << c.name;
        EXPECT_TRUE(IsWindowVisible(preview)) << c.name;
        EXPECT_EQ(c.window.cx, r->right - r->left) << c.name;
        EXPECT_EQ(c.window.cy, r->bottom - r->top) << c.name;
        // A page's window is sized before its host is made in it.
        HWND child = GetWindow(preview, GW_CHILD);
        for (const DWORD start = GetTickCount(); c.childClass && !child && GetTickCount() - start < 5000;
             child = GetWindow(preview, GW_CHILD))
            Sleep(20);
        if (!c.childClass) {
            EXPECT_FALSE(child) << c.name;
            continue;
        }
        ASSERT_TRUE(child) << c.name;
        wchar_t name[64] = L"";
        GetClassNameW(child, name, 64);
        EXPECT_EQ(0, lstrcmpiW(c.childClass, name)) << c.name << ": " << testing::PrintToString(std::wstring(name));
        RECT inner{};
        GetWindowRect(child, &inner);
        EXPECT_EQ(c.window.cx - 2, inner.right - inner.left) << c.name;
        EXPECT_EQ(c.window.cy - 2, inner.bottom - inner.top) << c.name;
    }
    EXPECT_EQ(Lines{}, boxes.texts()) << "no step reported an error";
    // The page stopped the video: its device is closed and the file free.
    UniqueFile unlocked(
        CreateFileW(video.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(unlocked) << GetLastError();
}

// A tree that takes the summary a while: folders of folders.
std::wstring bigTree(const FixtureFolder& data) {
    const std::wstring root = data.folder(L"big");
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 40; ++j)
            data.folder(L"big\\" + std::to_wstring(i) + L"\\" + std::to_wstring(j));
    return root;
}

TEST_F(TrayPreviewWinTest, SummariesStopForAHideAndForANewerItem) {
    const std::wstring big = bigTree(data);
    const std::wstring text = data.file(L"note.txt", "newer item\r\n");

    // A hide request during the summary: nothing is shown.
    ASSERT_EQ(1, TraySender(tray).answer(makePreviewRequest(itemOf(menu.get()), big)));
    ASSERT_EQ(1, TraySender(tray).answer(makePreviewHideRequest()));
    EXPECT_FALSE(waitForPreviewShown(preview, 3000)) << "the hidden summary never shows";

    // A second show during the summary: the second item, once, and never the first.
    ASSERT_EQ(1, TraySender(tray).answer(makePreviewRequest(itemOf(menu.get()), big)));
    ASSERT_EQ(1, TraySender(tray).answer(makePreviewRequest(itemOf(menu.get()), text)));
    const SIZE expected = previewTextSize({L"newer item"});
    int shows = 0;
    bool wasShown = false;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 3000) {
        RECT r{};
        GetWindowRect(preview, &r);
        // From the same reading as the size: the window may be sized between two readings.
        const bool shown = r.right - r.left > 1 || r.bottom - r.top > 1;
        if (shown && !wasShown) {
            ++shows;
            EXPECT_EQ(expected.cx, r.right - r.left);
            EXPECT_EQ(expected.cy, r.bottom - r.top);
        }
        wasShown = shown;
        Sleep(5);
    }
    EXPECT_EQ(1, shows);

    // A junction (or a directory symbolic link) back to the folder: the summary still ends.
    const std::wstring loop = data.folder(L"loop");
    const std::wstring x = data.file(L"loop\\x.txt", "12345");
    setTimes(x, 133000000000000000ull, 133000000000000000ull);
    if (!CreateSymbolicLinkW((loop + L"\\back").c_str(), loop.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
        GTEST_SKIP() << "this system makes no directory links (" << GetLastError() << ")";
    ASSERT_TRUE(GetFileAttributesW((loop + L"\\back").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    const std::wstring when = timeText(133000000000000000ull);
    expectLines(loop, {L"5バイト ファイル数:1 フォルダ数:1", L"最終更新 " + when + L" x.txt", L"最終アクセス " + when + L" x.txt"},
                "the link is counted, not entered");
}

} // namespace
} // namespace pvn::test
