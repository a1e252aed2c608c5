// The recent and favourites menus, the last folder and the last menu, driven as a user would:
// the icon's callback posted as the notification area does, keys and buttons through SendInput.
// The stand-in programs of the test installation record what the tray started.
#include "common/tests/support/BoxWatcher_win.h"
#include "tray/tests/support/Driver_win.h"
#include "tray/tests/support/TrayInstall_win.h"

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

} // namespace
} // namespace pvn::test
