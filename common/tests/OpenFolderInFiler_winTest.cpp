#include "common/OpenFolderInFiler_win.h"
#include "common/Paths_win.h"
#include "common/tests/support/BoxWatcher_win.h"

#include <gtest/gtest.h>

#include <vector>

namespace pvn {
namespace {

std::wstring testFolder() { return programFolder(); }

std::wstring fromUtf8(const std::string& bytes) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

// What the test filer recorded: its arguments and its working directory.
struct FilerRecord {
    std::wstring arguments;
    std::wstring directory;
};

std::optional<FilerRecord> waitForFilerRecord(const std::wstring& log, DWORD milliseconds = 15000) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        HANDLE file =
            CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char buffer[4096];
            DWORD got = 0;
            ReadFile(file, buffer, sizeof buffer, &got, nullptr);
            CloseHandle(file);
            const std::wstring text = fromUtf8(std::string(buffer, got));
            const std::size_t first = text.find(L'\n');
            const std::size_t second = text.find(L'\n', first + 1);
            if (first != std::wstring::npos && second != std::wstring::npos)
                return FilerRecord{text.substr(0, first), text.substr(first + 1, second - first - 1)};
        }
        Sleep(50);
    }
    return std::nullopt;
}

// Keys held down through SendInput, released again at the end of the scope.
class HeldKeys {
public:
    explicit HeldKeys(std::vector<WORD> keys) : m_keys(std::move(keys)) { send(0); }
    ~HeldKeys() { send(KEYEVENTF_KEYUP); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    void send(DWORD flags) {
        std::vector<INPUT> inputs;
        for (WORD key : m_keys) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        for (int i = 0; i < 100; ++i) {
            bool settled = true;
            for (WORD key : m_keys)
                settled = settled && ((GetAsyncKeyState(key) & 0x8000) != 0) == (flags == 0);
            if (settled)
                break;
            Sleep(10);
        }
    }
    std::vector<WORD> m_keys;
};

// Starts the test filer for real, from folders with spaces in their names.
class FilerLaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_bin = testFolder();
        m_log = m_bin + L"\\PvnTestFiler.log";
        DeleteFileW(m_log.c_str());
        CreateDirectoryW(m_folder.c_str(), nullptr);
        CreateDirectoryW(m_sub.c_str(), nullptr);
        const std::wstring program = L"\"" + m_bin + L"\\PvnTestFiler.exe\"";
        m_filers[0] = program + L" zero %l";
        m_filers[1] = program + L" one %l";
        m_filers[2] = program + L" -two %s";
    }
    void TearDown() override {
        DeleteFileW(m_log.c_str());
        RemoveDirectoryW(m_sub.c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    std::optional<FilerRecord> open(const std::wstring& path) {
        EXPECT_TRUE(
            OpenFolderInFiler(path, L"OF Test", m_filers[0], m_filers[1], m_filers[2], false, nullptr));
        return waitForFilerRecord(m_log);
    }

    std::wstring m_bin;
    std::wstring m_log;
    const std::wstring m_folder = L"C:\\pvn filer test";
    const std::wstring m_sub = L"C:\\pvn filer test\\sub folder";
    std::wstring m_filers[3];
};

TEST_F(FilerLaunchTest, NoKeyStartsFilerZeroWithTheLongPathUnquotedInItsOwnFolder) {
    const std::optional<FilerRecord> record = open(m_sub);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(L"zero C:\\pvn filer test\\sub folder", record->arguments);
    EXPECT_EQ(0, lstrcmpiW(m_bin.c_str(), record->directory.c_str())) << record->directory.c_str();
}

TEST_F(FilerLaunchTest, ShiftChoosesFilerOne) {
    HeldKeys keys({VK_SHIFT});
    const std::optional<FilerRecord> record = open(m_folder);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(L"one C:\\pvn filer test", record->arguments);
}

TEST_F(FilerLaunchTest, CtrlChoosesFilerTwoWithTheShortPath) {
    const std::optional<std::wstring> shortName = shortPathName(m_sub);
    ASSERT_TRUE(shortName.has_value());
    ASSERT_EQ(std::wstring::npos, shortName->find(L' '));
    HeldKeys keys({VK_CONTROL});
    const std::optional<FilerRecord> record = open(m_sub);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(L"-two " + *shortName, record->arguments);
}

TEST_F(FilerLaunchTest, ShiftAndCtrlTogetherChooseFilerTwo) {
    HeldKeys keys({VK_SHIFT, VK_CONTROL});
    const std::optional<FilerRecord> record = open(m_folder);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(0u, record->arguments.rfind(L"-two C:\\", 0)) << record->arguments.c_str();
}

TEST_F(FilerLaunchTest, AFilerThatCannotStartIsReported) {
    test::BoxWatcher boxes;
    const std::wstring bad = L"\"C:\\no such filer\\filer.exe\" %l";
    EXPECT_FALSE(OpenFolderInFiler(m_folder, L"OF Test", bad, L"", L"", false, nullptr));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(bad + L" が不正です", boxes.texts().back());
}

// Records the calls instead of starting Explorer, which would leave windows behind.
struct RecordingSystem {
    struct Call {
        std::wstring file, parameters, directory;
    };
    std::vector<Call> calls;
    INT_PTR result = 42;
    FilerSystem system() {
        return FilerSystem{[](int) { return false; },
                           [this](const std::wstring& f, const std::wstring& p, const std::wstring& d) {
                               calls.push_back({f, p, d});
                               return result;
                           }};
    }
};

TEST(OpenFolderInFilerExplorer, EmptyPathOpensTheComputerFolder) {
    RecordingSystem rec;
    EXPECT_TRUE(OpenFolderInFiler(L"", L"OF Test", L"x.exe", L"", L"", false, nullptr, rec.system()));
    ASSERT_EQ(1u, rec.calls.size());
    EXPECT_EQ(L"explorer.exe", rec.calls[0].file);
    EXPECT_EQ(L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", rec.calls[0].parameters);
}

TEST(OpenFolderInFilerExplorer, EmptyFilerOpensExplorerWithTheQuotedPath) {
    RecordingSystem rec;
    EXPECT_TRUE(OpenFolderInFiler(L"C:\\windows", L"OF Test", L"", L"", L"", false, nullptr, rec.system()));
    ASSERT_EQ(1u, rec.calls.size());
    EXPECT_EQ(L"explorer.exe", rec.calls[0].file);
    EXPECT_EQ(L"\"C:\\windows\"", rec.calls[0].parameters);
    rec.result = 2;
    EXPECT_FALSE(OpenFolderInFiler(L"C:\\windows", L"OF Test", L"", L"", L"", false, nullptr, rec.system()));
}

TEST(OpenFolderInFilerExplorer, AMissingPathIsReportedWithTheReason) {
    RecordingSystem rec;
    test::BoxWatcher boxes;
    EXPECT_FALSE(
        OpenFolderInFiler(L"C:\\nope\\gone", L"OF Main", L"", L"", L"", true, nullptr, rec.system()));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(L"C:\\nope\\gone が存在しません in OF Main", boxes.texts()[0]);
    EXPECT_TRUE(rec.calls.empty());
}

TEST(OpenFolderInFilerExplorer, FilerCommandRunsInTheProgramsFolder) {
    RecordingSystem rec;
    EXPECT_TRUE(OpenFolderInFiler(L"C:\\windows", L"OF Test", L"\"C:\\Tools\\My Filer\\f.exe\"  /open %l ",
                                  L"", L"", false, nullptr, rec.system()));
    ASSERT_EQ(1u, rec.calls.size());
    EXPECT_EQ(L"C:\\Tools\\My Filer\\f.exe", rec.calls[0].file);
    EXPECT_EQ(L"/open C:\\windows", rec.calls[0].parameters);
    EXPECT_EQ(L"C:\\Tools\\My Filer", rec.calls[0].directory);
}

// A stand-in for the Explorer window the user came from.
class OriginWindowTest : public ::testing::Test {
protected:
    static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        return DefWindowProcW(w, m, wp, lp);
    }
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CabinetWClass";
        RegisterClassW(&wc);
        CreateDirectoryW(m_folder.c_str(), nullptr);
        CreateDirectoryW(m_sub.c_str(), nullptr);
    }
    void TearDown() override {
        for (HWND w : m_windows)
            if (IsWindow(w))
                DestroyWindow(w);
        RemoveDirectoryW(m_sub.c_str());
        RemoveDirectoryW(m_folder.c_str());
        UnregisterClassW(L"CabinetWClass", GetModuleHandleW(nullptr));
    }
    HWND window(const wchar_t* title) {
        HWND w = CreateWindowW(L"CabinetWClass", title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        m_windows.push_back(w);
        return w;
    }
    static void pump() {
        MSG msg;
        for (int i = 0; i < 5; ++i) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(10);
        }
    }
    bool openFrom(HWND origin, bool close, INT_PTR result = 42) {
        RecordingSystem rec;
        rec.result = result;
        const bool opened = OpenFolderInFiler(m_sub, L"OF Test", L"", L"", L"", close, origin, rec.system());
        pump();
        return opened;
    }

    const std::wstring m_folder = L"C:\\pvnorigin";
    const std::wstring m_sub = L"C:\\pvnorigin\\inner";
    std::vector<HWND> m_windows;
};

TEST_F(OriginWindowTest, AWindowShowingAnAncestorIsClosed) {
    HWND byName = window(L"pvnorigin");
    HWND byPath = window(L"C:\\pvnorigin");
    openFrom(byName, true);
    openFrom(byPath, true);
    EXPECT_FALSE(IsWindow(byName));
    EXPECT_FALSE(IsWindow(byPath));
}

TEST_F(OriginWindowTest, OtherTitlesAndUnaskedClosesLeaveTheWindowOpen) {
    HWND other = window(L"inner");
    HWND untitled = window(L"");
    HWND kept = window(L"pvnorigin");
    openFrom(other, true);
    openFrom(untitled, true);
    openFrom(kept, false);
    EXPECT_TRUE(IsWindow(other)) << "the opened folder itself is no ancestor";
    EXPECT_TRUE(IsWindow(untitled));
    EXPECT_TRUE(IsWindow(kept));
}

TEST_F(OriginWindowTest, AFailedOpenKeepsTheWindow) {
    HWND origin = window(L"pvnorigin");
    EXPECT_FALSE(openFrom(origin, true, 2));
    EXPECT_TRUE(IsWindow(origin));
}

} // namespace
} // namespace pvn
