// The plug-in host with our own test plug-ins (common/tests/plugins), as the preview uses it.
#include "tray/preview/PluginHost_win.h"

#include "common/Paths_win.h"
#include "common/tests/support/TestFiles_win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace pvn {
namespace {

using ::testing::ElementsAre;

std::wstring besideTests(const std::wstring& name) { return programFolder() + L"\\" + name; }

// Header of the test plug-ins' files: magic, mode, pad, width, height.
std::string testFile(const char* magic, char mode, std::int32_t width, std::int32_t height,
                     std::size_t size = 16) {
    std::string bytes(std::max<std::size_t>(size, 16), '\0');
    std::memcpy(bytes.data(), magic, 4);
    bytes[4] = mode;
    std::memcpy(bytes.data() + 8, &width, 4);
    std::memcpy(bytes.data() + 12, &height, 4);
    return bytes;
}

class PluginHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* kind : {L"Image", L"Plain", L"Archive", L"Broken", L"BrokenArc"})
            ASSERT_TRUE(CopyFileW(besideTests(std::wstring(L"previewplugins\\") + kind + L".spi").c_str(),
                                  (plugins.path() + L"\\" + kind + L".spi").c_str(), FALSE));
    }
    std::optional<Picture> picture(const std::string& content, bool usePreview,
                                   std::uint64_t maxBytes = 1 << 20) {
        PluginHost host(plugins.path(), true, false);
        const int found = host.find(files.file(L"p.bin", content));
        if (found < 0)
            return std::nullopt;
        return host.getPicture(found, usePreview, maxBytes);
    }
    std::vector<std::wstring> listing(const std::string& content, std::uint32_t maxLines) {
        PluginHost host(plugins.path(), false, true);
        const int found = host.find(files.file(L"a.bin", content));
        std::vector<std::wstring> lines;
        if (found >= 0) {
            EXPECT_TRUE(host.archiveListing(found, maxLines, lines));
        }
        return lines;
    }

    test::FixtureFolder plugins{test::FixtureFolder::inTemp(L"PvnHostPlugins")};
    test::FixtureFolder files{test::FixtureFolder::inTemp(L"PvnHostFiles")};
};

std::uint8_t redAtCentre(const Picture& p) {
    const auto h = DibHeader::parse(p.info);
    const std::size_t stride = static_cast<std::size_t>(dibStride(h->width, 24));
    return p.bits[static_cast<std::size_t>(h->height / 2) * stride +
                  static_cast<std::size_t>(h->width / 2) * 3 + 2];
}

TEST_F(PluginHostTest, PicturesFromTheFastPreviewOrInFull) {
    const auto preview = picture(testFile("PVT1", 0, 30, 21), true);
    ASSERT_TRUE(preview);
    EXPECT_EQ(redAtCentre(*preview), 255); // the fast preview's red block
    EXPECT_EQ(preview->width, 30);
    EXPECT_EQ(preview->height, 21);
    EXPECT_EQ(preview->caption, L"21x30(24bit)with Image.spi： *.pvt *.htm");
    const auto full = picture(testFile("PVT1", 0, 30, 21), false);
    ASSERT_TRUE(full);
    EXPECT_EQ(redAtCentre(*full), 0);
    // Without GetPreview the full picture comes even when the preview is preferred.
    const auto plain = picture(testFile("PVP1", 0, 9, 9), true);
    ASSERT_TRUE(plain);
    EXPECT_EQ(redAtCentre(*plain), 0);
    // Nobody takes it; or the whole file would pass the size limit.
    EXPECT_FALSE(picture(testFile("ZZZ1", 0, 9, 9), true));
    EXPECT_FALSE(picture(testFile("PVT1", 0, 9, 9, 5000), true, 4999));
    EXPECT_TRUE(picture(testFile("PVT1", 0, 9, 9, 5000), true, 5000));
}

TEST_F(PluginHostTest, MalformedPictureBlocksShowNothing) {
    for (char mode : {'s', 'b', 'h', 'n'})
        EXPECT_FALSE(picture(testFile("PVB1", mode, 20, 20), false)) << mode;
}

TEST_F(PluginHostTest, ArchiveListingsWithTheLimitAndThePlugin) {
    const std::wstring with = L"with Archive.spi： *.pvt *.htm";
    EXPECT_THAT(listing("PVA1a.txt\nsub\\b.txt\nc.txt", 10),
                ElementsAre(L"a.txt", L"sub\\b.txt", L"c.txt", with));
    EXPECT_THAT(listing("PVA1a.txt\nsub\\b.txt\nc.txt", 2),
                ElementsAre(L"a.txt", L"sub\\b.txt", L" ：", with));
    EXPECT_TRUE(listing("PVZ1a.txt", 10).empty());
    // The same 64-bit plug-in under the name 64-bit plug-ins commonly have.
    ASSERT_TRUE(MoveFileW((plugins.path() + L"\\Archive.spi").c_str(), (plugins.path() + L"\\Archive.sph").c_str()));
    EXPECT_THAT(listing("PVA1a.txt", 10), ElementsAre(L"a.txt", L"with Archive.sph： *.pvt *.htm"));
}

TEST_F(PluginHostTest, MalformedArchiveBlocksStayWithinTheirBytes) {
    // Two whole entries of unterminated names and half of a third; no terminator.
    const auto lines = listing("PVB1a", 100);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::wstring(400, L'n'));
    EXPECT_THAT(listing("PVB1c", 3), ElementsAre(std::wstring(400, L'n'), std::wstring(400, L'n'),
                                                 std::wstring(400, L'n'), L" ：", lines[2]));
}

} // namespace
} // namespace pvn
