#include "common/WindowThunk_win.h"

#include "common/tests/support/BoxWatcher_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <stdexcept>
#include <vector>

namespace pvn {
namespace {

using test::BoxWatcher;

constexpr int kTestDialog = 100;
constexpr wchar_t kClass[] = L"PvnThunkTest";

enum : UINT { kThrowBadAlloc = WM_APP, kThrowRuntime, kAnswer, kThrowTwice, kEnd };

// What every handler under test does with the private messages.
struct Script {
    std::vector<UINT> seen;
    HWND self = nullptr;
    bool run(UINT message) {
        seen.push_back(message);
        switch (message) {
        case kThrowBadAlloc:
            throw std::bad_alloc();
        case kThrowRuntime:
            throw std::runtime_error("broken");
        case kThrowTwice:
            // Arrives while the first report's box is up, and throws again there.
            PostMessageW(self, kThrowBadAlloc, 0, 0);
            throw std::bad_alloc();
        default:
            return false;
        }
    }
};

class TestWindow : public WindowBase {
public:
    Script script;
    HWND create() {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = windowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        EXPECT_TRUE(registerWindowClass(wc));
        EXPECT_TRUE(registerWindowClass(wc)) << "an already registered class counts as success";
        return CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                               creationParameter());
    }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        script.self = m_window;
        script.run(message);
        if (message == kAnswer)
            return 42;
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
};

TEST(WindowThunkTest, WindowReachesItsObjectFromCreationToDestructionAndNoExceptionEscapes) {
    TestWindow object;
    const HWND window = object.create();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(object.window(), window);
    ASSERT_FALSE(object.script.seen.empty());
    EXPECT_EQ(object.script.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(SendMessageW(window, kAnswer, 0, 0), 42);

    BoxWatcher boxes;
    EXPECT_EQ(SendMessageW(window, kThrowBadAlloc, 0, 0), 0) << "the default answer";
    EXPECT_EQ(SendMessageW(window, kThrowRuntime, 0, 0), 0);
    ASSERT_TRUE(boxes.waitFor(2));
    EXPECT_EQ(boxes.texts()[0], L"メモリが不足しています。");
    EXPECT_EQ(boxes.texts()[1], L"内部エラー: broken");

    // An exception thrown while the first box is up is not reported with a second box.
    SendMessageW(window, kThrowTwice, 0, 0);
    ASSERT_TRUE(boxes.waitFor(3));
    EXPECT_FALSE(boxes.waitFor(4, 500));
    EXPECT_GE(std::count(object.script.seen.begin(), object.script.seen.end(), kThrowBadAlloc), 2);

    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_EQ(object.script.seen.back(), static_cast<UINT>(WM_NCDESTROY));
    EXPECT_EQ(object.window(), nullptr);
}

TEST(WindowThunkTest, WindowOutlivingItsObjectGetsTheDefaultAnswer) {
    HWND window = nullptr;
    {
        TestWindow object;
        window = object.create();
        ASSERT_NE(window, nullptr);
    }
    EXPECT_EQ(SendMessageW(window, kAnswer, 0, 0), 0);
    EXPECT_TRUE(DestroyWindow(window));
}

class TestDialog : public DialogBase {
public:
    Script script;
    LPARAM initParam = 0;
    using DialogBase::createModeless;
    using DialogBase::runModal;

private:
    INT_PTR handleDialogMessage(UINT message, WPARAM, LPARAM lParam) override {
        script.self = m_dialog;
        script.run(message);
        switch (message) {
        case WM_INITDIALOG:
            initParam = lParam;
            return TRUE;
        case kAnswer:
            return answer(77);
        case kEnd:
            EndDialog(m_dialog, 5);
            return TRUE;
        default:
            return FALSE;
        }
    }
};

TEST(WindowThunkTest, DialogAnswersThroughItsResultAndSurvivesExceptions) {
    TestDialog object;
    const HWND dialog = object.createModeless(GetModuleHandleW(nullptr), kTestDialog, nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(object.dialog(), dialog);
    EXPECT_EQ(object.initParam, reinterpret_cast<LPARAM>(&object));
    EXPECT_EQ(object.script.seen.front(), static_cast<UINT>(WM_INITDIALOG));
    EXPECT_EQ(SendMessageW(dialog, kAnswer, 0, 0), 77) << "DWLP_MSGRESULT";

    BoxWatcher boxes;
    EXPECT_EQ(SendMessageW(dialog, kThrowRuntime, 0, 0), 0);
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(boxes.texts()[0], L"内部エラー: broken");

    ASSERT_TRUE(DestroyWindow(dialog));
    EXPECT_EQ(object.script.seen.back(), static_cast<UINT>(WM_NCDESTROY));
    EXPECT_EQ(object.dialog(), nullptr);
}

TEST(WindowThunkTest, ModalDialogReturnsItsEndValue) {
    TestDialog object;
    // The dialog's own loop runs the timer once the dialog is up.
    struct Ender {
        static void CALLBACK ender(HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            if (HWND dialog = FindWindowW(L"#32770", L"サンクテスト"))
                PostMessageW(dialog, kEnd, 0, 0);
        }
    };
    SetTimer(nullptr, 0, 50, Ender::ender);
    EXPECT_EQ(object.runModal(GetModuleHandleW(nullptr), kTestDialog, nullptr), 5);
    EXPECT_EQ(object.dialog(), nullptr);
}

} // namespace
} // namespace pvn
