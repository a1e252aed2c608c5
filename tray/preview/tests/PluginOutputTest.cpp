#include "tray/preview/PluginOutput.h"
#include "tray/preview/tests/BitmapBytes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

namespace pvn {
namespace {

using ::testing::ElementsAre;

std::vector<std::uint8_t> entries(const SusieLayout& layout,
                                  std::initializer_list<std::pair<const char*, const char*>> list,
                                  std::size_t extra = 0) {
    std::vector<std::uint8_t> block(list.size() * layout.entrySize + extra, 0);
    std::size_t i = 0;
    for (const auto& [path, name] : list) {
        std::uint8_t* e = block.data() + i++ * layout.entrySize;
        if (*name == '\0')
            continue; // the terminator: an empty method
        std::memcpy(e, "-lh5-", 5);
        std::memcpy(e + layout.pathOffset, path, std::strlen(path));
        std::memcpy(e + layout.pathOffset + kSusieNameSize, name, std::strlen(name));
    }
    return block;
}

class ArchiveBlockTest : public ::testing::TestWithParam<SusieLayout> {
protected:
    std::vector<std::wstring> list(const std::vector<std::uint8_t>& block, std::uint32_t max) {
        std::vector<std::wstring> lines{L"kept"};
        listArchiveBlock(block, GetParam(), max, L"00AMa.spi： *.pva", textPlatform(), lines);
        return lines;
    }
};

TEST_P(ArchiveBlockTest, EntriesUpToTheTerminatorThenThePlugin) {
    const auto block = entries(GetParam(), {{"", "a.txt"}, {"dir\\", "b.txt"}, {"", ""}});
    EXPECT_THAT(list(block, 10), ElementsAre(L"kept", L"a.txt", L"dir\\b.txt", L"with a.spi： *.pva"));
}

TEST_P(ArchiveBlockTest, TheLimitEndsWithTheMoreMark) {
    const auto block = entries(GetParam(), {{"", "a"}, {"", "b"}, {"", "c"}});
    EXPECT_THAT(list(block, 2), ElementsAre(L"kept", L"a", L"b", L" ：", L"with a.spi： *.pva"));
}

TEST_P(ArchiveBlockTest, MalformedBlocksStayWithinTheirBytes) {
    // No terminator and half an entry: two names; names filling their 200 bytes are cut there.
    auto block = entries(GetParam(), {{"", "a"}, {"", "b"}}, GetParam().entrySize / 2);
    std::memset(block.data() + GetParam().entrySize + GetParam().pathOffset, 'p', 2 * kSusieNameSize);
    block[2 * GetParam().entrySize] = 'm';
    const auto lines = list(block, 100);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], L"a");
    EXPECT_EQ(lines[2], std::wstring(2 * kSusieNameSize, L'p'));
    EXPECT_THAT(list({}, 100), ElementsAre(L"kept", L"with a.spi： *.pva"));
    EXPECT_THAT(list(std::vector<std::uint8_t>(GetParam().entrySize - 1, 'x'), 100),
                ElementsAre(L"kept", L"with a.spi： *.pva"));
}

INSTANTIATE_TEST_SUITE_P(Layouts, ArchiveBlockTest, ::testing::Values(kSusieLayout32, kSusieLayout64),
                         [](const auto& p) { return p.param.entrySize == 428 ? "Bits32" : "Bits64"; });

TEST(PluginOutputTest, PictureInformationInBothLayouts) {
    std::vector<std::uint8_t> record(32, 0);
    test::put(record, 8, 640, 4);
    test::put(record, 12, 480, 4);
    test::put(record, 20, 24, 2);
    test::put(record, 22, 0x1122, 2);
    test::put(record, 24, 0x0000000300000004ull, 8);
    const SusiePictureInfo narrow = parsePictureInfo(record, kSusieLayout32);
    EXPECT_EQ(narrow.width, 640);
    EXPECT_EQ(narrow.height, 480);
    EXPECT_EQ(narrow.colorDepth, 24);
    EXPECT_EQ(narrow.textHandle, 0x00041122u);
    EXPECT_EQ(parsePictureInfo(record, kSusieLayout64).textHandle, 0x0000000300000004ull);
    EXPECT_EQ(pluginCaption(narrow, L"00INa.spi： *.x"), L"480x640(24bit)with a.spi： *.x");
    EXPECT_EQ(parsePictureInfo(std::span(record).first(25), kSusieLayout32).width, 0);
}

std::vector<std::uint8_t> header(std::int32_t w, std::int32_t h, std::uint16_t bits,
                                 std::uint32_t clrUsed = 0, std::uint32_t compression = 0) {
    DibHeader d;
    d.width = w;
    d.height = h;
    d.bitCount = bits;
    d.clrUsed = clrUsed;
    d.compression = compression;
    return d.block();
}

TEST(PluginOutputTest, BlocksAreCopiedWithinWhatTheyHoldAndClaim) {
    SusiePictureInfo info;
    info.width = 30;
    info.height = 20;
    const std::vector<std::uint8_t> bits(12 * 3 + 7, 1);
    auto p = pictureFromBlocks(header(4, -3, 24), bits, info, L"cap");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->bits.size(), 36u); // only the rows the header claims
    EXPECT_EQ(p->info.size(), 40u);
    EXPECT_EQ(p->width, 30);
    EXPECT_EQ(p->caption, L"cap");
    // An 8-bit header with its table; a larger block is cut to header and table.
    auto eight = header(4, 2, 8, 2);
    eight.resize(40 + 8 + 100, 7);
    p = pictureFromBlocks(eight, bits, {}, L"");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->info.size(), 48u);
    EXPECT_EQ(p->width, 4); // no usable information: the header's size
    EXPECT_EQ(p->height, 2);

    struct Bad {
        const char* name;
        std::vector<std::uint8_t> info;
        std::size_t bits;
    };
    const Bad bad[] = {
        {"short header", std::vector<std::uint8_t>(20, 0), 100},
        {"short bits", header(100, 100, 24), 10},
        {"table beyond the block", header(4, 2, 8, 0x0FFFFFFF), 100},
        {"masks beyond the block", header(4, 2, 32, 0, 3), 100},
        {"compressed", header(4, 2, 24, 0, 4), 100},
        {"odd depth", header(4, 2, 12), 100},
        {"zero width", header(0, 2, 24), 100},
        {"zero height", header(4, 0, 24), 100},
    };
    for (const Bad& b : bad)
        EXPECT_FALSE(pictureFromBlocks(b.info, std::vector<std::uint8_t>(b.bits), info, L"")) << b.name;
    auto headerTooLarge = header(4, 2, 24);
    test::put(headerTooLarge, 0, 41, 4);
    EXPECT_FALSE(pictureFromBlocks(headerTooLarge, bits, info, L""));
}

} // namespace
} // namespace pvn
