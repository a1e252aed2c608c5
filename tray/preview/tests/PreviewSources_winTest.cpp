// The picture, plug-in, media and web-page steps as the preview window calls them.
#include "tray/preview/PreviewSources_win.h"

#include "common/Paths_win.h"
#include "common/tests/support/TestFiles_win.h"
#include "tray/preview/Win32ByteSource_win.h"
#include "tray/preview/tests/BitmapBytes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace pvn {
namespace {

std::wstring besideTests(const std::wstring& name) { return programFolder() + L"\\" + name; }

class PreviewSourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* kind : {L"Image", L"Archive"})
            ASSERT_TRUE(CopyFileW(besideTests(std::wstring(L"previewplugins\\") + kind + L".spi").c_str(),
                                  (plugins.path() + L"\\" + kind + L".spi").c_str(), FALSE));
        settings.susiePluginDir = plugins.path();
        window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    }
    void TearDown() override { DestroyWindow(window); }

    PreviewSourceContext context(const std::wstring& path) {
        m_path = path;
        m_extension = path.substr(path.rfind(L'.') + 1);
        return PreviewSourceContext{m_path,
                                    m_extension,
                                    settings,
                                    window,
                                    placement,
                                    nullptr,
                                    16,
                                    [] { return true; },
                                    [this](AccessHint hint) { return files.openRead(m_path, hint); },
                                    [this](int w, int h) {
                                        shown = {w, h};
                                    }};
    }

    test::FixtureFolder plugins{test::FixtureFolder::inTemp(L"PvnSourcePlugins")};
    test::FixtureFolder folder{test::FixtureFolder::inTemp(L"PvnSourceFiles")};
    PreviewSettings settings;
    SelectionPlacement placement{};
    HWND window = nullptr;
    Win32FileSystem files;
    std::pair<int, int> shown{0, 0};
    std::wstring m_path, m_extension;
};

TEST_F(PreviewSourcesTest, BitmapsArePicturesWithTheirWhiteFrameCut) {
    test::BitmapShape s;
    s.width = 640;
    s.height = 480;
    s.pixel = [](std::int32_t x, std::int32_t row) {
        return x >= 300 && x < 340 && row >= 200 && row < 280 ? 0u : 0xFFFFFFu;
    };
    const auto bytes = test::makeBitmap(s);
    const auto picture =
        builtInPicture(context(folder.file(L"a.bmp", std::string(bytes.begin(), bytes.end()))));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->caption, L"480x640(24bit) エッジカット");
    settings.ttEdgeCut = false;
    EXPECT_EQ(builtInPicture(context(m_path))->caption, L"480x640(24bit)");
    EXPECT_FALSE(builtInPicture(context(folder.file(L"b.bmp", "BMnot really"))));
}

TEST_F(PreviewSourcesTest, PluginsTakeAPageAndListAnArchive) {
    std::string page(16, '\0');
    std::memcpy(page.data(), "PVT1", 4);
    const std::int32_t size = 40;
    std::memcpy(page.data() + 8, &size, 4);
    std::memcpy(page.data() + 12, &size, 4);
    bool cancelled = true;
    const auto picture = pluginPicture(context(folder.file(L"p.htm", page)), cancelled);
    EXPECT_FALSE(cancelled);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->caption.substr(0, 18), L"40x40(24bit)with I");
    const auto lines = pluginArchiveListing(context(folder.file(L"a.pva", "PVA1x.txt")));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], L"x.txt");
    EXPECT_TRUE(pluginArchiveListing(context(folder.file(L"b.pva", "none"))).empty());
}

TEST_F(PreviewSourcesTest, WebPagesGetAHostOfTheBox) {
    ScopedOleInit ole;
    ASSERT_TRUE(SUCCEEDED(ole.result()));
    std::unique_ptr<LivePreview> host;
    settings.ttWidth = 300;
    settings.ttHeight = 200;
    EXPECT_EQ(startWebPreview(context(folder.file(L"x.html", "<p>x</p>")), host), StepResult::Shown);
    EXPECT_TRUE(host);
    EXPECT_EQ(shown, (std::pair<int, int>{300, 200}));
}

} // namespace
} // namespace pvn
