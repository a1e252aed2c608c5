// The operating-system check, the monitor table, message pumps, separators and the integrity check,
// against the real system.
#include "common/MessagePump_win.h"
#include "common/MonitorTable_win.h"
#include "common/OsCheck_win.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Process_win.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace pvn {
namespace {

TEST(OsCheckWinTest, ManifestedProgramSeesWindows10OrLater) {
    int os = checkOs();
    EXPECT_GE(os, 5) << "the manifest lists Windows 10 among the supported systems";
    int elevation = tokenElevation();
    EXPECT_TRUE(elevation == 1 || elevation == 2 || elevation == 3);
}

TEST(MonitorTableWinTest, SingleMonitorOfTheVirtualDisplay) {
    MonitorTable table;
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), table.count());
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(0, table.monitorAt({width, height / 2})) << "a point on the right edge";
    EXPECT_EQ(-1, table.monitorAt({width + 1, 0}));
    EXPECT_EQ(height, table.monitorHeight({1, 1}));
    RECT r = table.monitorRect({1, 1});
    EXPECT_EQ(width, r.right - r.left);
    EXPECT_EQ(100, table.layout().monitors()[0].scaleX);
    ASSERT_EQ(1u, table.infos().size());
    EXPECT_EQ(static_cast<DWORD>(sizeof(MONITORINFOEXW)), table.infos()[0].cbSize);
    SetCursorPos(5, 5);
    EXPECT_EQ(0, table.monitorAtCursor());
    EXPECT_EQ(height, table.monitorHeightAtCursor());
}

TEST(MessagePumpWinTest, DispatchKeepsAQuitRequestForTheLoop) {
    PostQuitMessage(7);
    EXPECT_FALSE(dispatchPendingMessages());
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
    EXPECT_EQ(7u, msg.wParam);
}

TEST(MessagePumpWinTest, LoopReturnsTheQuitCodeAfterDispatchingEarlierMessages) {
    static int timerCalls = 0;
    timerCalls = 0;
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
    UINT_PTR timer = SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR, DWORD) {
        if (++timerCalls == 2)
            PostQuitMessage(42);
    });
    EXPECT_EQ(42, messageLoop());
    KillTimer(nullptr, timer);
    EXPECT_EQ(2, timerCalls);
    EXPECT_TRUE(dispatchPendingMessages());
}

TEST(MessagePumpWinTest, SeparatorIsInsertedWithItsIdentifierAndText) {
    UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.get(), MF_STRING, 1, L"a");
    AppendMenuW(menu.get(), MF_STRING, 2, L"b");
    ASSERT_TRUE(insertSeparator(menu.get(), 1));
    ASSERT_TRUE(insertSeparator(menu.get()));
    ASSERT_EQ(4, GetMenuItemCount(menu.get()));
    for (int pos : {1, 3}) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID;
        ASSERT_TRUE(GetMenuItemInfoW(menu.get(), static_cast<UINT>(pos), TRUE, &info));
        EXPECT_TRUE(info.fType & MFT_SEPARATOR) << pos;
        EXPECT_EQ(kSeparatorId, info.wID);
    }
    EXPECT_EQ(2u, GetMenuItemID(menu.get(), 2));
}

TEST(IntegrityWinTest, SealedProgramStartsAndAChangedCopyIsRefused) {
    EXPECT_EQ(0u, test::runProgram(L"PvnSealedProbe.exe").value_or(99));

    std::wstring original = test::binFolder() + L"PvnSealedProbe.exe";
    std::wstring copy = test::binFolder() + L"PvnSealedProbeChanged.exe";
    std::vector<char> bytes;
    {
        std::ifstream in(original.c_str(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_GT(bytes.size(), 4096u);
    bytes[bytes.size() / 2] ^= 0x20;
    {
        std::ofstream out(copy.c_str(), std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    test::BoxWatcher boxes;
    EXPECT_EQ(3u, test::runProgram(copy).value_or(99));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_NE(std::wstring::npos, boxes.texts()[0].find(L"変更されています")) << "a clear message";
    EXPECT_NE(std::wstring::npos, boxes.texts()[0].find(L"PvnSealedProbeChanged.exe"));
    DeleteFileW(copy.c_str());
}

} // namespace
} // namespace pvn
