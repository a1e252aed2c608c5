// InvokeCommand for each entry and what it leaves behind: the request the stand-in tray received, the
// clipboard text, the recent-list line and the command prompt's process.
#include "common/RequestCode.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "shellext/tests/support/ExtensionHost_win.h"
#include "shellext/tests/support/TrayStandIn_win.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cstring>

namespace pvn::test {
namespace {

constexpr UINT kFirst = 1;
constexpr UINT kLast = 0x7FFF;

std::wstring recentListFile() {
    wchar_t appData[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::wstring(appData) + L"\\Morrick\\PVNRecent.lst";
}

// Every running cmd.exe, as process ids. The shell may start it through a helper, so the parent is
// not a reliable mark: the test compares the lists before and after.
std::vector<DWORD> runningPrompts() {
    std::vector<DWORD> found;
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot || snapshot.get() == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
        if (lstrcmpiW(entry.szExeFile, L"cmd.exe") == 0)
            found.push_back(entry.th32ProcessID);
    return found;
}

// Ends the prompts that appeared while it lived, so that none outlives the test holding its output.
class NewPrompts {
public:
    NewPrompts() : m_before(runningPrompts()) {}
    ~NewPrompts() {
        for (DWORD id : fresh()) {
            UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
            if (process) {
                TerminateProcess(process.get(), 0);
                WaitForSingleObject(process.get(), 5000);
            }
        }
    }
    NewPrompts(const NewPrompts&) = delete;
    NewPrompts& operator=(const NewPrompts&) = delete;

    std::vector<DWORD> fresh() const {
        std::vector<DWORD> out;
        for (DWORD id : runningPrompts())
            if (std::find(m_before.begin(), m_before.end(), id) == m_before.end())
                out.push_back(id);
        return out;
    }
    // The first console of a Wine session takes a while to come up.
    bool waitForOne(DWORD milliseconds = 20000) const {
        for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(50))
            if (!fresh().empty())
                return true;
        return false;
    }

private:
    std::vector<DWORD> m_before;
};

class ShellExtentInvokeTest : public ::testing::Test {
protected:
    ScopedCoInit m_com;
    SettingBackup m_trayHandle{L"PVNTrayHandle"};
    SettingBackup m_addContext{L"AddContext"};
    FileBackup m_recent{recentListFile()};
    ExtensionLibrary m_library;
    FixtureFolder m_fixture{FixtureFolder::inTemp(L"PvnShlExInvoke")};
    UniqueMenu m_menu{CreatePopupMenu()};

    void SetUp() override {
        ASSERT_TRUE(m_library.loaded());
        m_addContext.remove();
        CreateDirectoryW((recentListFile().substr(0, recentListFile().rfind(L'\\'))).c_str(), nullptr);
        writeWholeFile(recentListFile(), "c:\\older\r\n");
        clearClipboard();
    }

    // An extension for the paths whose menu was built with the given result.
    ComPtr<IContextMenu> builtMenu(const std::vector<std::wstring>& paths, HRESULT expected) {
        ComPtr<IContextMenu> menu = m_library.createMenu();
        ComPtr<IDataObject> data = shellDataObject(paths);
        EXPECT_TRUE(menu && data);
        if (!menu || !data)
            return {};
        EXPECT_EQ(S_OK, initialize(*menu.get(), data.get()));
        EXPECT_EQ(expected, menu->QueryContextMenu(m_menu.get(), 0, kFirst, kLast, CMF_NORMAL));
        return menu;
    }
};

TEST_F(ShellExtentInvokeTest, FileOperationsSendsEverySelectedPathInOrder) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    const std::vector<std::wstring> paths = {m_fixture.file(L"一.txt"), m_fixture.folder(L"二"),
                                             m_fixture.file(L"three 3.txt")};
    auto menu = builtMenu(paths, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 1));
    ASSERT_TRUE(menu);
    EXPECT_EQ(S_OK, invokeOffset(*menu.get(), 0));

    const auto requests = tray.requests();
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ(toWParam(RequestCode::PresenceTest), requests[0].code);
    EXPECT_EQ(toWParam(RequestCode::FileOperationItems), requests[1].code);
    EXPECT_EQ(0, requests[1].lParam);
    ASSERT_TRUE(requests[1].parsed);
    EXPECT_EQ(paths, requests[1].parsed->items);
}

TEST_F(ShellExtentInvokeTest, ATrayThatDoesNotTakeTheRequestIsReported) {
    const std::wstring file = m_fixture.file(L"a.txt");
    {
        TrayStandIn refusing(L"answer=0");
        ASSERT_TRUE(refusing.running());
        auto menu = builtMenu({file}, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2));
        ASSERT_TRUE(menu);
        BoxWatcher boxes;
        EXPECT_EQ(E_FAIL, invokeOffset(*menu.get(), 0));
        ASSERT_TRUE(boxes.waitFor(1));
        EXPECT_EQ(L"PVNTray.exe が常駐していない？", boxes.texts()[0]);
    }
    // The tray ended between the menu and the choice.
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    auto menu = builtMenu({file}, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2));
    ASSERT_TRUE(menu);
    tray.stop();
    BoxWatcher boxes;
    EXPECT_EQ(E_FAIL, invokeOffset(*menu.get(), 0));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(L"PVNTray.exe が常駐していない？", boxes.texts()[0]);
}

TEST_F(ShellExtentInvokeTest, ASectionInUseIsLeftAloneAndTheRequestNotSent) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    auto menu = builtMenu({m_fixture.file(L"a.txt")}, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2));
    ASSERT_TRUE(menu);
    // Another program's request is in flight.
    UniqueMapping section(
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 64, L"PVN_CurDirFile"));
    ASSERT_TRUE(section);
    UniqueView view(MapViewOfFile(section.get(), FILE_MAP_WRITE, 0, 0, 64));
    ASSERT_TRUE(view);
    std::memset(view.get(), 0xAB, 64);

    BoxWatcher boxes;
    EXPECT_EQ(E_FAIL, invokeOffset(*menu.get(), 0));
    ASSERT_TRUE(boxes.waitFor(1));
    EXPECT_EQ(L"PVNTray.exe が常駐していない？", boxes.texts()[0]);
    const auto* bytes = static_cast<const unsigned char*>(view.get());
    EXPECT_EQ(64, std::count(bytes, bytes + 64, 0xAB)) << "the other request's data is intact";
    EXPECT_EQ(1u, tray.requests().size()) << "only the presence test";
}

TEST_F(ShellExtentInvokeTest, CopyNameOfAFileIsThePathAndLeavesTheRecentListAlone) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    const std::wstring file = m_fixture.file(L"memo.txt");
    auto menu = builtMenu({file}, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2));
    ASSERT_TRUE(menu);
    EXPECT_EQ(S_OK, invokeOffset(*menu.get(), 1));
    EXPECT_EQ(file, clipboardText());
    EXPECT_EQ("c:\\older\r\n", readWholeFile(recentListFile()));
}

TEST_F(ShellExtentInvokeTest, CopyNameOfAFolderWithABlankIsQuotedAndRecorded) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    const std::wstring folder = m_fixture.folder(L"Program Files");
    auto menu = builtMenu({folder}, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 3));
    ASSERT_TRUE(menu);
    EXPECT_EQ(S_OK, invokeOffset(*menu.get(), 2));
    EXPECT_EQ(L"\"" + folder + L"\"", clipboardText());

    std::string line;
    for (wchar_t c : folder)
        line += static_cast<char>(c); // the fixture path is plain ASCII
    line[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
    EXPECT_EQ("c:\\older\r\n" + line + "\r\n", readWholeFile(recentListFile()));
}

TEST_F(ShellExtentInvokeTest, ShiftDoublesTheBackslashesInsideTheQuotes) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    const std::wstring folder = m_fixture.folder(L"My App");
    auto menu = builtMenu({folder}, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 3));
    ASSERT_TRUE(menu);
    std::wstring doubled;
    for (wchar_t c : folder)
        doubled += c == L'\\' ? std::wstring(L"\\\\") : std::wstring(1, c);
    {
        ShiftHeld shift;
        ASSERT_LT(GetKeyState(VK_SHIFT), 0) << "Shift did not reach the thread";
        EXPECT_EQ(S_OK, invokeOffset(*menu.get(), 2));
    }
    EXPECT_EQ(L"\"" + doubled + L"\"", clipboardText());
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "Shift released again";
}

TEST_F(ShellExtentInvokeTest, CommandPromptStartsCmdInTheFolder) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    const std::wstring folder = m_fixture.folder(L"prompt");
    auto menu = builtMenu({folder}, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 3));
    ASSERT_TRUE(menu);
    NewPrompts prompts;
    EXPECT_EQ(S_OK, invokeOffset(*menu.get(), 1));
    EXPECT_TRUE(prompts.waitForOne()) << "no cmd.exe was started";
    EXPECT_EQ("c:\\older\r\n", readWholeFile(recentListFile())) << "the prompt records nothing";
}

TEST_F(ShellExtentInvokeTest, OnlyOffsetsOfAddedEntriesAreCarriedOut) {
    TrayStandIn tray;
    ASSERT_TRUE(tray.running());
    const std::wstring file = m_fixture.file(L"a.txt");

    auto unbuilt = m_library.createMenu();
    ASSERT_TRUE(unbuilt);
    EXPECT_EQ(E_FAIL, invokeOffset(*unbuilt.get(), 0)) << "no menu was built";

    auto menu = builtMenu({file}, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2));
    ASSERT_TRUE(menu);
    EXPECT_EQ(E_FAIL, invokeOffset(*menu.get(), 2)) << "a file has no prompt entry";
    EXPECT_EQ(E_FAIL, menu->InvokeCommand(nullptr));

    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.lpVerb = "open";
    EXPECT_EQ(E_FAIL, menu->InvokeCommand(&info)) << "a verb by name";
    info.lpVerb = MAKEINTRESOURCEA(1);
    info.cbSize = sizeof info - 1;
    EXPECT_EQ(E_FAIL, menu->InvokeCommand(&info)) << "a structure too small";

    m_addContext.setDword(0);
    auto disabled = builtMenu({file}, S_OK);
    ASSERT_TRUE(disabled);
    EXPECT_EQ(E_FAIL, invokeOffset(*disabled.get(), 0)) << "AddContext off added nothing to invoke";

    EXPECT_EQ(1u, tray.requests().size()) << "only the first menu's presence test reached the tray";
    EXPECT_FALSE(clipboardText());
}

} // namespace
} // namespace pvn::test
