#include "tray/preview/PictureGeometry.h"
#include "tray/preview/LimitedByteSource.h"
#include "tray/preview/MemoryByteSource.h"
#include "tray/preview/ShortcutInfo.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(PictureGeometry, ScaledIntoTheBoxWithFrameAndCaption) {
    struct Case {
        int w, h, boxW, boxH;
        int drawnW, drawnH;
    };
    const Case cases[] = {
        {100, 50, 500, 500, 100, 50},  // never enlarged
        {1000, 500, 500, 500, 500, 250}, {500, 1000, 500, 500, 250, 500},
        {333, 1000, 100, 100, 33, 100},  // truncated
        {0, 50, 500, 500, 0, 0},         {50, 0, 500, 500, 0, 0},
    };
    for (const Case& c : cases) {
        PictureLayout l = scalePictureIntoBox(c.w, c.h, c.boxW, c.boxH, 16);
        EXPECT_EQ(c.drawnW, l.drawnWidth) << c.w << "x" << c.h;
        EXPECT_EQ(c.drawnH, l.drawnHeight) << c.w << "x" << c.h;
        EXPECT_EQ(c.drawnW + 2, l.windowWidth);
        EXPECT_EQ(c.drawnH + 16 + 3, l.windowHeight);
    }
}

TEST(PictureGeometry, DrawableOnlyWhenInfoAndPixelsHoldWhatTheHeaderSays) {
    auto picture = [](std::int32_t w, std::int32_t h, std::uint16_t depth, std::uint32_t compression,
                      std::size_t tableBytes, std::size_t bitsBytes) {
        DibHeader header;
        header.width = w;
        header.height = h;
        header.bitCount = depth;
        header.compression = compression;
        Picture p;
        p.info = header.block();
        p.info.resize(p.info.size() + tableBytes);
        p.bits.resize(bitsBytes);
        return p;
    };
    EXPECT_TRUE(pictureDrawable(picture(3, 2, 24, kBiRgb, 0, 24)));
    EXPECT_TRUE(pictureDrawable(picture(3, -2, 24, kBiRgb, 0, 24))) << "top-down";
    EXPECT_FALSE(pictureDrawable(picture(3, 2, 24, kBiRgb, 0, 23))) << "a cut picture's last row is missing";
    EXPECT_TRUE(pictureDrawable(picture(4, 1, 8, kBiRgb, 1024, 4)));
    EXPECT_FALSE(pictureDrawable(picture(4, 1, 8, kBiRgb, 1020, 4))) << "colour table cut short";
    EXPECT_TRUE(pictureDrawable(picture(1, 1, 32, kBiBitfields, 12, 4)));
    EXPECT_FALSE(pictureDrawable(picture(1, 1, 32, kBiBitfields, 8, 4))) << "masks cut short";
    EXPECT_FALSE(pictureDrawable(picture(4, 1, 8, 1, 1024, 4))) << "run-length pixels are not stretched";
    EXPECT_FALSE(pictureDrawable(picture(0, 1, 24, kBiRgb, 0, 4)));
    Picture shortInfo = picture(1, 1, 24, kBiRgb, 0, 4);
    shortInfo.info.resize(39);
    EXPECT_FALSE(pictureDrawable(shortInfo));
}

TEST(LimitedByteSource, NeverDeliversPastTheLimit) {
    std::vector<std::uint8_t> bytes(10, 7);
    std::uint8_t buffer[16];
    std::size_t got = 0;
    {
        LimitedByteSource s(std::make_unique<MemoryByteSource>(bytes), 10);
        std::uint64_t size = 0;
        EXPECT_EQ(0u, s.size(size));
        EXPECT_EQ(0u, s.read(buffer, sizeof buffer, got)) << "a file of exactly the limit reads whole";
        EXPECT_EQ(10u, got);
    }
    {
        // The file grew past the limit after its size was checked.
        LimitedByteSource s(std::make_unique<MemoryByteSource>(bytes), 6);
        std::uint64_t size = 0;
        EXPECT_EQ(win32_error::kFileTooLarge, s.size(size));
        EXPECT_EQ(0u, s.read(buffer, 4, got));
        EXPECT_EQ(win32_error::kFileTooLarge, s.read(buffer, 4, got));
        EXPECT_EQ(2u, got);
        ASSERT_EQ(0u, s.seek(0));
        EXPECT_EQ(0u, s.read(buffer, 6, got)) << "up to the limit is allowed after a seek back";
        ASSERT_EQ(0u, s.seek(20));
        EXPECT_EQ(0u, s.read(buffer, 4, got)) << "past the end of the file there is nothing to refuse";
        EXPECT_EQ(0u, got);
    }
}

TEST(ShortcutInfo, OneLinePerFieldPathsFitted) {
    auto fit = [](const std::wstring& p) { return L"[" + p + L"]"; };
    EXPECT_EQ((std::vector<std::wstring>{L"パス:[c:\\a.exe]", L"作業フォルダ:[c:\\w]", L"記述:説明", L"引数:-x"}),
              shortcutInfoLines({L"c:\\a.exe", L"c:\\w", L"説明", L"-x"}, fit));
    EXPECT_EQ(std::vector<std::wstring>{L"引数:-x"}, shortcutInfoLines({L"", L"", L"", L"-x"}, fit));
    EXPECT_TRUE(shortcutInfoLines({}, fit).empty());
}

} // namespace
} // namespace pvn
