// The space key's preview end to end: the real PVNMain asks the real tray, whose preview window
// appears beside the highlighted item and goes when the highlight moves or the menu closes.
#include "menu/tests/support/MenuSession_win.h"

#include "common/tests/support/PreviewWindow_win.h"

#include <gtest/gtest.h>

namespace pvn::test {
namespace {

constexpr wchar_t kDown[] = L"key 0x28";

// The session's tooltip font.
SIZE sizeOf(const std::vector<std::wstring>& lines) { return previewTextSize(lines, L"ＭＳ ゴシック", 90); }

bool waitForParked(HWND preview, DWORD milliseconds = 5000) {
    const DWORD start = GetTickCount();
    while (!isParked(preview)) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(20);
    }
    return true;
}

TEST(MainPreview, SpaceShowsThePreviewBesideTheItemUntilTheHighlightMoves) {
    MenuSession session;
    FixtureFolder folder(L"C:\\pvnpreview");
    // "日本語のメモ" in Shift_JIS.
    folder.file(L"memo.txt", "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x81\x83\x82\r\n");
    folder.file(L"data.bin", "plain words\r\n");
    session.input(L"move 300 200");
    ASSERT_TRUE(session.startTray());
    HWND tray = FindWindowW(L"PVNTRAYWINCLASS", nullptr);
    DWORD trayPid = 0;
    GetWindowThreadProcessId(tray, &trayPid);
    HWND preview = previewWindowOf(trayPid);
    ASSERT_TRUE(preview) << "in the tray's process";
    ASSERT_TRUE(session.open(folder.path()));
    HWND menu = MenuSession::menuWindows().back();

    // 開く, data.bin, memo.txt.
    session.input(std::wstring(kDown) + L" " + kDown + L" " + kDown + L" key 0x20");
    std::optional<RECT> shown = waitForPreviewShown(preview);
    ASSERT_TRUE(shown) << "space on a file shows its preview";
    const SIZE text = sizeOf({L"日本語のメモ"});
    EXPECT_EQ(text.cx, shown->right - shown->left);
    EXPECT_EQ(text.cy, shown->bottom - shown->top);
    const RECT m = MenuSession::windowRect(menu);
    EXPECT_GE(shown->left, m.right - 4) << "right of the item";
    EXPECT_GT(shown->top, m.top) << "at the item's bottom edge";
    EXPECT_LT(shown->top, m.bottom);
    EXPECT_TRUE(GetWindowLongW(preview, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(session.finish(200)) << "the menu keeps tracking";

    session.input(L"key 0x26");
    EXPECT_TRUE(waitForParked(preview)) << "moving the highlight hides it";

    session.input(L"key 0x20");
    shown = waitForPreviewShown(preview);
    ASSERT_TRUE(shown);
    EXPECT_EQ(sizeOf({L"プレビュー不可"}).cx, shown->right - shown->left) << "data.bin is no kind";
    session.input(L"down 0x10 key 0x20 sleep 700 up 0x10");
    shown = waitForPreviewShown(preview);
    ASSERT_TRUE(shown);
    EXPECT_EQ(sizeOf({L"plain words"}).cx, shown->right - shown->left) << "Shift makes it text";

    session.input(L"key 0x1B");
    EXPECT_EQ(0u, session.finish().value_or(99));
    EXPECT_TRUE(waitForParked(preview)) << "the menu's end hides the preview";
}

} // namespace
} // namespace pvn::test
