#include "tray/preview/MediaLayout.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(MediaLayoutTest, LengthTextsRoundToSeconds) {
    const std::pair<std::uint64_t, const wchar_t*> cases[] = {
        {0, L"0:00"},        {499, L"0:00"},        {59600, L"1:00"},        {61499, L"1:01"},
        {3599400, L"59:59"}, {3599600, L"1:00:00"}, {36061000, L"10:01:01"},
    };
    for (const auto& [ms, text] : cases)
        EXPECT_EQ(mediaLengthText(ms), text) << ms;
}

TEST(MediaLayoutTest, TrackNumbersOnlyFromTrackCdaFiles) {
    const std::pair<const wchar_t*, int> cases[] = {
        {L"Q:\\Track03.cda", 3}, {L"TRACK12.CDA", 12}, {L"q:/track7.cda", 7}, {L"q:\\mytrack3.cda", 0},
        {L"track3.wav", 0},      {L"track.cda", 0},    {L"trackx.cda", 0},    {L"tra.cda", 0},
    };
    for (const auto& [path, n] : cases)
        EXPECT_EQ(cdTrackNumber(path), n) << path;
}

TEST(MediaLayoutTest, SoundAndVideoLayouts) {
    const MediaLayout sound = mediaLayout({40, 16}, std::nullopt, {500, 500});
    EXPECT_EQ(sound.window, (SizeWH{149, 22}));
    EXPECT_EQ(sound.textTop, 3);
    EXPECT_EQ(sound.video, (SizeWH{0, 0}));
    // A large video is scaled into the box, a small one keeps its size but the bar keeps its width.
    const MediaLayout large = mediaLayout({40, 16}, SizeWH{1000, 400}, {500, 500});
    EXPECT_EQ(large.video, (SizeWH{500, 200}));
    EXPECT_EQ(large.window, (SizeWH{506, 16 + 200 + 9}));
    EXPECT_EQ(large.textTop, 206);
    const MediaLayout small = mediaLayout({40, 16}, SizeWH{80, 60}, {500, 500});
    EXPECT_EQ(small.video, (SizeWH{80, 60}));
    EXPECT_EQ(small.window.width, 149);
    EXPECT_EQ(scaleIntoBox({0, 10}, {500, 500}), (SizeWH{0, 0}));
    EXPECT_EQ(scaleIntoBox({640, 480}, {500, 500}), (SizeWH{500, 375}));
}

TEST(MediaLayoutTest, TheBarStaysInsideItsBox) {
    EXPECT_EQ(progressBarRight(0, 0, 0), 4);
    EXPECT_EQ(progressBarRight(0, 0, 1000), 4);
    EXPECT_EQ(progressBarRight(500, 0, 1000), 52);
    EXPECT_EQ(progressBarRight(1000, 0, 1000), 102);
    // A CD track: positions count from the disc's start.
    EXPECT_EQ(progressBarRight(60000 + 500, 60000, 1000), 53);
    EXPECT_EQ(progressBarRight(59000, 60000, 1000), 4);
    // Positions past the end, and lengths where 32 bits would overflow.
    EXPECT_EQ(progressBarRight(5000, 0, 1000), 102);
    EXPECT_EQ(progressBarRight(3'000'000'000ull, 0, 4'000'000'000ull), 77);
}

} // namespace
} // namespace pvn
