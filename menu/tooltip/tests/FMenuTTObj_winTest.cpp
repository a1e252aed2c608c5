#include "menu/tooltip/FMenuTTObj_win.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

// A subclass as the preview builds one: its own window size, its own view of every message.
class SizedTip final : public FMenuTTObj {
public:
    explicit SizedTip(SIZE size) : FMenuTTObj(GetModuleHandleW(nullptr), L"ＭＳ ゴシック", 100), m_size(size) {}
    void SetItem(const std::wstring&, int, const SelectionPlacement& at) override { rememberPlacement(at); }
    void Build() override {}
    bool FilterMessage(HWND, UINT message, WPARAM, LPARAM, LRESULT&) override {
        if (message == WM_NCCREATE)
            sawCreation = true;
        return true;
    }
    void show(std::vector<std::wstring> lines) { showLines(std::move(lines)); }
    using FMenuTTObj::lineHeight;
    SIZE measure(const std::vector<std::wstring>& lines) const override {
        return m_size.cx ? m_size : FMenuTTObj::measure(lines);
    }

    bool sawCreation = false;

private:
    SIZE m_size;
};

RECT windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

TEST(FMenuTTObjTest, SubclassSeesEveryMessageAndPlacesAWindowOfItsOwnSizeBesideTheItem) {
    SizedTip tip({300, 200});
    EXPECT_EQ(tip.window(), nullptr) << "the constructor makes no window";
    ASSERT_TRUE(tip.create());
    EXPECT_TRUE(tip.sawCreation) << "creation messages reached the finished subclass";

    // The item: 100 pixels wide, its bottom at y 40 of a menu window at (200, 100).
    HWND menu = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 200, 100, 150, 300,
                                nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(menu, nullptr);
    SelectionPlacement item;
    item.window = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(menu));
    item.left = 0;
    item.top = 20;
    item.right = 100;
    item.bottom = 40;
    tip.SetItem(L"", 0, item);
    tip.show({L"one line"});

    const RECT at = windowRect(tip.window());
    EXPECT_EQ(at.right - at.left, 300);
    EXPECT_EQ(at.bottom - at.top, 200);
    EXPECT_EQ(at.left, 200 + 100 + 2 * GetSystemMetrics(SM_CXEDGE) + 1) << "right of the item";
    EXPECT_EQ(at.top, 140) << "below the item's bottom";
    DestroyWindow(menu);

    tip.Hide();
    EXPECT_TRUE(tip.lines().empty());
    EXPECT_EQ(windowRect(tip.window()).right - windowRect(tip.window()).left, 1) << "parked";
}

TEST(FMenuTTObjTest, FontChangeMeasuresAgain) {
    SizedTip tip({0, 0});
    ASSERT_TRUE(tip.create());
    const int small = tip.lineHeight();
    const SIZE before = tip.measure({L"あいうえお", L"abc"});
    ASSERT_GT(small, 0);
    EXPECT_EQ(before.cy, 2 * small);

    tip.setFont(L"ＭＳ ゴシック", 200);
    EXPECT_GT(tip.lineHeight(), small);
    const SIZE after = tip.measure({L"あいうえお", L"abc"});
    EXPECT_GT(after.cx, before.cx);
    EXPECT_EQ(after.cy, 2 * tip.lineHeight());
}

} // namespace
} // namespace pvn
