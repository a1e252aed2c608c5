// The media player over Wine's MCI (a null sound device), the web page host with the system's
// browser control (created and navigated; Wine renders nothing), and the thumbnail's failure path.
#include "tray/preview/MediaPlayer_win.h"
#include "tray/preview/ShellThumbnail_win.h"
#include "tray/preview/WebHost_win.h"
#include "tray/preview/WebSite_win.h"

#include "common/tests/support/TestFiles_win.h"
#include "tray/preview/tests/WaveBytes.h"

#include <gtest/gtest.h>

#include <exdispid.h>
#include <mmsystem.h>
#include <mshtmdid.h>

namespace pvn {
namespace {

using test::wave;

class PreviewWindow {
public:
    PreviewWindow()
        : m_window(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 1, 1,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~PreviewWindow() { DestroyWindow(m_window); }
    HWND get() const { return m_window; }
    MediaPlayer::PlaceWindow placer(SizeWH* placed) const {
        return [this, placed](SizeWH size) {
            *placed = size;
            SetWindowPos(m_window, HWND_TOPMOST, 10, 10, size.width, size.height,
                         SWP_NOACTIVATE | SWP_SHOWWINDOW);
        };
    }

private:
    HWND m_window;
};

void pumpFor(DWORD milliseconds, const std::function<bool()>& done) {
    const DWORD end = GetTickCount() + milliseconds;
    while (!done() && GetTickCount() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(20);
    }
}

TEST(MediaPlayerTest, PlaysASoundWithItsLengthAndAGrowingBarThenTheNextStopsIt) {
    test::FixtureFolder folder(test::FixtureFolder::inTemp(L"PvnMedia"));
    const std::wstring first = folder.file(L"one.wav", wave(1500));
    const std::wstring second = folder.file(L"two.wav", wave(61000));
    PreviewWindow window;
    SizeWH placed;
    MediaPlayer player(window.get(), first, nullptr, {500, 500}, window.placer(&placed));
    ASSERT_TRUE(player.Start());
    EXPECT_NE(player.device(), 0u);
    EXPECT_NEAR(static_cast<double>(player.length()), 1500.0, 50.0);
    EXPECT_EQ(player.lengthText(), L"0:02");
    EXPECT_EQ(player.layout().video, (SizeWH{0, 0}));
    EXPECT_EQ(placed, player.layout().window);
    EXPECT_GT(placed.width, 109);
    pumpFor(5000, [&] { return player.barRight() > 4; });
    EXPECT_GT(player.barRight(), 4);
    EXPECT_LE(player.barRight(), 103);

    // A second player closes every device of the process before it opens its own: one stays open.
    MediaPlayer next(window.get(), second, nullptr, {500, 500}, window.placer(&placed));
    ASSERT_TRUE(next.Start());
    EXPECT_EQ(next.lengthText(), L"1:01");
    DWORD open = 0;
    MCI_SYSINFO_PARMSW count{};
    count.lpstrReturn = reinterpret_cast<LPWSTR>(&open);
    count.dwRetSize = sizeof open;
    ASSERT_EQ(mciSendCommandW(MCI_ALL_DEVICE_ID, MCI_SYSINFO, MCI_SYSINFO_QUANTITY | MCI_SYSINFO_OPEN,
                              reinterpret_cast<DWORD_PTR>(&count)),
              0u);
    EXPECT_EQ(open, 1u);
    const int before = player.barRight();
    next.Stop();
    EXPECT_EQ(next.device(), 0u);
    pumpFor(500, [] { return false; }); // ticks queued before the stop find no player
    EXPECT_EQ(player.barRight(), before);
}

TEST(MediaPlayerTest, AFileMciCannotOpenGivesNoPlayerAndNoError) {
    test::FixtureFolder folder(test::FixtureFolder::inTemp(L"PvnMediaBad"));
    PreviewWindow window;
    SizeWH placed;
    MediaPlayer player(window.get(), folder.file(L"bad.wav", "not a sound"), nullptr, {500, 500},
                       window.placer(&placed));
    EXPECT_FALSE(player.Start());
    EXPECT_EQ(player.device(), 0u);
    EXPECT_EQ(placed, (SizeWH{0, 0}));
}

class WebHostTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(m_ole.result())); }

    ScopedOleInit m_ole;
};

TEST_F(WebHostTest, APageIsHostedInAChildOfTheBoxAndReplacedByTheNext) {
    test::FixtureFolder folder(test::FixtureFolder::inTemp(L"PvnWeb"));
    const std::wstring page = folder.file(L"a#1.html", "<html><body><script>x=1</script>page</body></html>");
    PreviewWindow preview;
    SetWindowPos(preview.get(), nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    WebHost host;
    ASSERT_TRUE(host.Show(preview.get(), page, 320, 240));
    const HWND first = host.window();
    ASSERT_TRUE(IsWindow(first));
    EXPECT_EQ(GetParent(first), preview.get());
    RECT r{};
    GetWindowRect(first, &r);
    MapWindowPoints(nullptr, preview.get(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right - r.left, 318);
    EXPECT_EQ(r.bottom - r.top, 238);
    EXPECT_EQ(host.navigateResult(), S_OK);

    ASSERT_TRUE(host.Show(preview.get(), page, 320, 240));
    EXPECT_FALSE(IsWindow(first));
    host.Destroy();
    EXPECT_EQ(host.window(), nullptr);
}

TEST(WebSiteTest, NothingRunsAndNothingNavigatesAfterTheFirstPage) {
    WebSite* site = new WebSite(nullptr);
    VARIANT result;
    DISPPARAMS none{};
    ASSERT_EQ(site->Invoke(DISPID_AMBIENT_DLCONTROL, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result,
                           nullptr, nullptr),
              S_OK);
    const DWORD flags = static_cast<DWORD>(result.lVal);
    for (DWORD required : {DLCTL_NO_SCRIPTS, DLCTL_NO_JAVA, DLCTL_NO_RUNACTIVEXCTLS, DLCTL_NO_DLACTIVEXCTLS,
                           DLCTL_NO_FRAMEDOWNLOAD, DLCTL_FORCEOFFLINE})
        EXPECT_EQ(flags & required, required) << std::hex << required;

    auto navigate = [&](DISPID id, UINT count, UINT cancelPosition) {
        VARIANT_BOOL cancel = VARIANT_FALSE;
        std::vector<VARIANT> args(count);
        for (VARIANT& v : args)
            VariantInit(&v);
        VARIANT& flag = args[count - 1 - cancelPosition];
        flag.vt = VT_BYREF | VT_BOOL;
        flag.pboolVal = &cancel;
        DISPPARAMS params{args.data(), nullptr, count, 0};
        site->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        return cancel == VARIANT_TRUE;
    };
    EXPECT_FALSE(navigate(DISPID_BEFORENAVIGATE2, 7, 6));
    EXPECT_TRUE(navigate(DISPID_BEFORENAVIGATE2, 7, 6));
    EXPECT_TRUE(navigate(DISPID_NEWWINDOW2, 2, 1));
    EXPECT_EQ(site->navigations(), 2);
    static_cast<IOleClientSite*>(site)->Release();
    EXPECT_EQ(fileUrl(L"C:\\pages\\a#1 b.html"), L"file:///C:/pages/a%231%20b.html");
}

TEST(ShellThumbnailTest, WithoutAnExtractorTheStepProducesNothing) {
    test::FixtureFolder folder(test::FixtureFolder::inTemp(L"PvnThumb"));
    EXPECT_FALSE(shellThumbnail(nullptr, folder.file(L"x.png", "not a picture"), {100, 100}));
    EXPECT_EQ(thumbnailCaption(120, 90), L"120x90(32bits)縮小版");
}

} // namespace
} // namespace pvn
