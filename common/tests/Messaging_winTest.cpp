#include "common/RegKey_win.h"
#include "common/RequestMessage_win.h"
#include "common/SettingsKey.h"
#include "common/TrayHandle_win.h"
#include "common/TraySender_win.h"
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Process_win.h"
#include "common/tests/support/RequestLog_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace pvn {
namespace {

using test::LoggedRequest;

// The receiver sees whole pages: the sender's bytes, then zeros.
void expectSectionHolds(const std::vector<std::byte>& section, const std::vector<std::byte>& data) {
    ASSERT_GE(section.size(), data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), section.begin())) << "sent bytes differ";
    EXPECT_TRUE(std::all_of(section.begin() + static_cast<std::ptrdiff_t>(data.size()), section.end(),
                            [](std::byte b) { return b == std::byte{0}; }))
        << "bytes beyond the request";
}

void expectSameRequest(const TrayRequest& expected, const std::optional<TrayRequest>& got) {
    ASSERT_TRUE(got) << "the receiver refused the request";
    EXPECT_EQ(expected.code, got->code);
    EXPECT_EQ(expected.lParam, got->lParam);
    EXPECT_EQ(expected.point, got->point);
    EXPECT_EQ(expected.placement, got->placement);
    EXPECT_EQ(expected.items, got->items);
}

bool sectionExists() {
    UniqueMapping section(OpenFileMappingW(FILE_MAP_READ, FALSE, kRequestSectionName));
    return static_cast<bool>(section);
}

// A section made by hand, as a sender that does not follow the rules would.
class RawSection {
public:
    explicit RawSection(const std::vector<std::byte>& bytes) {
        m_section.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                           static_cast<DWORD>(bytes.size()), kRequestSectionName));
        if (m_section)
            m_view.reset(MapViewOfFile(m_section.get(), FILE_MAP_WRITE, 0, 0, bytes.size()));
        if (m_view)
            std::memcpy(m_view.get(), bytes.data(), bytes.size());
    }
    bool ok() const { return static_cast<bool>(m_view); }
    const std::byte* bytes() const { return static_cast<const std::byte*>(m_view.get()); }

private:
    UniqueMapping m_section;
    UniqueView m_view;
};

LRESULT sendRaw(HWND tray, RequestCode code, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(tray, requestMessage(), toWParam(code), lParam, SMTO_ABORTIFHUNG, 5000, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

class MessagingTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int run = 0;
        m_tag = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++run);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_log = std::wstring(temp) + L"pvn-messaging-" + m_tag + L".log";
        DeleteFileW(m_log.c_str());
        ASSERT_TRUE(RegKey(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true).isOpen());
        ASSERT_FALSE(sectionExists()) << "a section left over from an earlier request";
    }
    void TearDown() override {
        m_receiver.kill();
        DeleteFileW(m_log.c_str());
    }

    // Starts the stand-in tray and waits until it has published its handle.
    HWND startReceiver(const std::wstring& options = L"", const wchar_t* windowClass = kTrayWindowClass) {
        const std::wstring title = L"PvnTestReceiver " + m_tag;
        if (!m_receiver.start(L"PvnTestReceiver.exe", L"\"log=" + m_log + L"\" \"title=" + title + L"\" " + options))
            return nullptr;
        HWND window = test::waitForWindow(windowClass, title.c_str());
        for (int i = 0; window && i < 500; ++i) {
            auto stored = readTrayHandle();
            if (stored && *stored == window)
                return window;
            Sleep(20);
        }
        return nullptr;
    }
    std::vector<LoggedRequest> received() const { return test::readLoggedRequests(m_log); }

    std::wstring m_tag;
    std::wstring m_log;
    test::ChildProcess m_receiver;
};

TEST_F(MessagingTest, EveryRequestShapeArrivesByteForByte) {
    HWND tray = startReceiver(L"answer=2");
    ASSERT_TRUE(tray);
    test::BoxWatcher boxes;
    const std::wstring longPath = L"C:\\" + std::wstring(257, L'長');
    const std::vector<RequestPayload> requests = {
        makeContextMenuRequest({-30, 700}, L"C:\\テスト\\項目.txt", 0x1234),
        makeBareRequest(RequestCode::PresenceTest),
        makeFileOperationRequest({L"C:\\d\\1.txt", L"C:\\d\\二.txt", L"C:\\d\\3"}),
        makeCtrlLetterRequest(0, 6, L"", L""),
        makeCtrlLetterRequest(3, 26, L"C:\\フォルダ", L"C:\\"),
        makePreviewRequest({0x00ABCDEF, 1, 2, 300, 21}, longPath),
        makePreviewHideRequest(),
        makeBareRequest(RequestCode::ReloadSettings),
        makeBareRequest(RequestCode::HotKeys, 0),
        makeBareRequest(RequestCode::HotKeys, 1),
    };
    for (size_t i = 0; i < requests.size(); ++i) {
        const RequestPayload& request = requests[i];
        SCOPED_TRACE("request " + std::to_string(i) + ", code " + std::to_string(toWParam(request.code)));
        TrayReply reply = TraySender(tray).send(request);
        EXPECT_EQ(TraySendStatus::Answered, reply.status);
        EXPECT_EQ(request.code == RequestCode::PresenceTest ? 1 : 2, reply.answer);
        EXPECT_FALSE(sectionExists()) << "the sender closes the section after the send";

        auto log = received();
        ASSERT_EQ(i + 1, log.size());
        const LoggedRequest& got = log.back();
        EXPECT_EQ(toWParam(request.code), got.code);
        EXPECT_EQ(static_cast<long long>(request.lParam), got.lParam);
        if (request.data.empty())
            EXPECT_TRUE(got.section.empty()) << "a request without data leaves no section";
        else
            expectSectionHolds(got.section, request.data);
        auto expected = parseTrayRequest(request.code, request.lParam, request.data);
        ASSERT_TRUE(expected);
        expectSameRequest(*expected, got.parsed);
    }
    const auto log = received();
    ASSERT_EQ(requests.size(), log.size());
    const auto& preview = log[5];
    ASSERT_TRUE(preview.parsed);
    EXPECT_EQ(std::vector<std::wstring>{longPath}, preview.parsed->items);
    EXPECT_EQ(286, preview.lParam);
    EXPECT_TRUE(boxes.texts().empty()) << "granting the foreground failed";
}

TEST_F(MessagingTest, StaleHandleIsAnsweredZeroAtOnce) {
    HWND tray = startReceiver();
    ASSERT_TRUE(tray);
    PostMessageW(tray, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m_receiver.wait(10000));
    auto stored = readTrayHandle();
    ASSERT_TRUE(stored);
    EXPECT_EQ(tray, *stored) << "the handle stays behind in the settings";

    const DWORD start = GetTickCount();
    TrayReply presence = TraySender(*stored).send(makeBareRequest(RequestCode::PresenceTest));
    TrayReply context = TraySender(*stored).send(makeContextMenuRequest({1, 1}, L"C:\\a", 0));
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(0, presence.answer);
    EXPECT_EQ(TraySendStatus::NotTray, presence.status);
    EXPECT_EQ(0, context.answer);
    EXPECT_EQ(TraySendStatus::NotTray, context.status);
    EXPECT_FALSE(sectionExists());
    EXPECT_EQ(TraySendStatus::NotTray, TraySender(nullptr).send(makeBareRequest(RequestCode::PresenceTest)).status);
}

TEST_F(MessagingTest, WindowOfAnotherClassIsNotSentTo) {
    HWND other = startReceiver(L"answer=5 class=PVNOTHERWINCLASS", L"PVNOTHERWINCLASS");
    ASSERT_TRUE(other);
    for (const auto& request : {makeBareRequest(RequestCode::PresenceTest),
                                makeFileOperationRequest({L"C:\\x"}), makePreviewRequest({}, L"C:\\y")}) {
        TrayReply reply = TraySender(other).send(request);
        EXPECT_EQ(0, reply.answer);
        EXPECT_EQ(TraySendStatus::NotTray, reply.status);
    }
    EXPECT_TRUE(received().empty()) << "nothing reached the window";
    // The same window does take the message when sent to directly: the refusal above was the sender's.
    EXPECT_EQ(5, sendRaw(other, RequestCode::ReloadSettings, 0));
    EXPECT_EQ(1u, received().size());
}

TEST_F(MessagingTest, SectionHeldByAnotherRequestIsLeftUntouched) {
    HWND tray = startReceiver(L"answer=1");
    ASSERT_TRUE(tray);
    std::vector<std::byte> pattern(64);
    for (size_t i = 0; i < pattern.size(); ++i)
        pattern[i] = static_cast<std::byte>(0xA0 + i);
    RawSection held(pattern);
    ASSERT_TRUE(held.ok());

    TrayReply reply = TraySender(tray).send(makeFileOperationRequest({L"C:\\only\\this.txt"}));
    EXPECT_EQ(0, reply.answer);
    EXPECT_EQ(TraySendStatus::SectionBusy, reply.status);
    EXPECT_TRUE(std::equal(pattern.begin(), pattern.end(), held.bytes())) << "the other request's data";
    EXPECT_TRUE(received().empty()) << "the request was not sent";
    EXPECT_TRUE(sectionExists()) << "the holder's section is still open";
    // Requests without data do not need the section and still go through.
    EXPECT_EQ(1, TraySender(tray).answer(makeBareRequest(RequestCode::PresenceTest)));
}

TEST_F(MessagingTest, HungTrayIsGivenUpAfterTheTimeout) {
    HWND tray = startReceiver(L"hang=60000");
    ASSERT_TRUE(tray);
    test::BoxWatcher boxes;
    DWORD start = GetTickCount();
    TrayReply presence = TraySender(tray).send(makeBareRequest(RequestCode::PresenceTest));
    DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(0, presence.answer);
    EXPECT_EQ(TraySendStatus::NotAnswered, presence.status);
    EXPECT_LT(elapsed, 15000u);
    EXPECT_FALSE(sectionExists());

    // The requests that may wait for the user still end once the tray has stopped pumping.
    start = GetTickCount();
    TrayReply command = TraySender(tray).send(makeCtrlLetterRequest(4, 3, L"C:\\a.txt", L"C:\\"));
    elapsed = GetTickCount() - start;
    EXPECT_EQ(0, command.answer);
    EXPECT_EQ(TraySendStatus::NotAnswered, command.status);
    EXPECT_LT(elapsed, 25000u);
    EXPECT_FALSE(sectionExists()) << "closed after a failed send too";
}

TEST_F(MessagingTest, BusyTrayIsWaitedForOnlyWhereTheUserMayBeWorking) {
    // Busy (pumping messages, as in a menu) for longer than the short timeout, shorter than the long.
    HWND tray = startReceiver(L"answer=2 busy=7000");
    ASSERT_TRUE(tray);
    test::BoxWatcher boxes;
    DWORD start = GetTickCount();
    TrayReply context = TraySender(tray).send(makeContextMenuRequest({5, 5}, L"C:\\a.txt", 0));
    EXPECT_GE(GetTickCount() - start, 6500u);
    EXPECT_EQ(TraySendStatus::Answered, context.status);
    EXPECT_EQ(2, context.answer);
    ASSERT_EQ(1u, received().size());
    // A presence test is not held up that long.
    start = GetTickCount();
    TrayReply presence = TraySender(tray).send(makeBareRequest(RequestCode::PresenceTest));
    EXPECT_LT(GetTickCount() - start, 6500u);
    EXPECT_EQ(TraySendStatus::NotAnswered, presence.status);
    EXPECT_EQ(0, presence.answer);
}

TEST_F(MessagingTest, TrayThatEndsDuringTheRequestAnswersZero) {
    HWND tray = startReceiver(L"exit=1");
    ASSERT_TRUE(tray);
    test::BoxWatcher boxes;
    const DWORD start = GetTickCount();
    TrayReply reply = TraySender(tray).send(makeContextMenuRequest({5, 5}, L"C:\\a.txt", 0));
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(0, reply.answer);
    EXPECT_EQ(TraySendStatus::NotAnswered, reply.status);
    EXPECT_TRUE(m_receiver.wait(5000));
    EXPECT_FALSE(sectionExists());
}

TEST_F(MessagingTest, MalformedSectionsAreRefusedAndTheTrayGoesOn) {
    HWND tray = startReceiver(L"answer=7");
    ASSERT_TRUE(tray);
    struct Case {
        const char* what;
        RequestCode code;
        LPARAM lParam;
        std::vector<std::byte> bytes;
    };
    std::vector<Case> cases;
    auto preview = makePreviewRequest({1, 2, 3, 4, 5}, L"C:\\a.txt");
    preview.data[0] = std::byte{32};
    cases.push_back({"placement size 32", RequestCode::Preview, preview.lParam, preview.data});
    // Exactly one page without a NUL: nothing beyond the view may be read to find one.
    cases.push_back({"page of text without NUL", RequestCode::FileOperationItems, 0,
                     std::vector<std::byte>(4096, std::byte{0x41})});
    // A view is a whole page, so a point cut short reads as a point and an empty block ("no
    // item"); what is refused is a point followed by text that never ends.
    std::vector<std::byte> pointThenText(4096, std::byte{0x41});
    cases.push_back({"point then text without NUL", RequestCode::ItemContextMenu, 0, pointThenText});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RawSection section(c.bytes);
        ASSERT_TRUE(section.ok());
        EXPECT_EQ(7, sendRaw(tray, c.code, c.lParam));
    }
    // A request that should carry data but comes without a section.
    EXPECT_EQ(7, sendRaw(tray, RequestCode::CtrlLetterCommand, 0));

    auto log = received();
    ASSERT_EQ(cases.size() + 1, log.size());
    for (size_t i = 0; i < log.size(); ++i)
        EXPECT_FALSE(log[i].parsed) << "record " << i;
    EXPECT_EQ(1, TraySender(tray).answer(makeBareRequest(RequestCode::PresenceTest)));
}

} // namespace
} // namespace pvn
