#include "common/SusiePluginRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace pvn {
namespace {

TEST(SusiePluginRulesTest, ExactExtensionsOfTheProgramsOwnMachineType) {
    constexpr std::uint16_t k64 = kMachineAmd64, k32 = kMachineI386, kArm64 = 0xAA64;
    struct Case {
        const wchar_t* name;
        std::optional<std::uint16_t> machine;
        bool loadedBy64, loadedBy32;
    };
    const Case cases[] = {
        {L"ifjpeg.spi", k64, true, false},
        {L"ifjpeg.spi", k32, false, true},
        {L"IFPNG.SPI", k32, false, true},
        {L"a.Spi", k64, true, false},
        {L"ifwebp.sph", k64, true, false},
        {L"IFWEBP.SPH", k64, true, false},
        // A 32-bit image named as a 64-bit one is not the 32-bit program's either.
        {L"odd.sph", k32, false, false},
        {L"v1.2.spi", k64, true, false},
        {L"ifjpeg.spi", kArm64, false, false},
        {L"ifjpeg.spi", std::nullopt, false, false},
        {L"ifjpeg.sph", std::nullopt, false, false},
        // Disabled or other names the listing's pattern also matches.
        {L"x.spi_", k64, false, false},
        {L"x.spi_", k32, false, false},
        {L"x.sph_", k64, false, false},
        {L"x.spi1", k32, false, false},
        {L"x.sphx", k64, false, false},
        {L"x.sp", k64, false, false},
        {L"x.spi.bak", k64, false, false},
        {L"x_spi", k32, false, false},
        {L"spi", k32, false, false},
        {L".spi", k32, false, false},
        {L".sph", k64, false, false},
        {L"", k64, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.loadedBy64, isPluginFile(c.name, c.machine, k64)) << c.name;
        EXPECT_EQ(c.loadedBy32, isPluginFile(c.name, c.machine, k32)) << c.name;
    }
}

TEST(SusiePluginRulesTest, ImageAndArchiveVersionsAreKept) {
    EXPECT_EQ(SusiePluginKind::Image, pluginKindOfVersion("00IN"));
    EXPECT_EQ(SusiePluginKind::Archive, pluginKindOfVersion("00AM"));
    EXPECT_EQ(SusiePluginKind::Image, pluginKindOfVersion("00INextra"));
    EXPECT_FALSE(pluginKindOfVersion("00in"));
    EXPECT_FALSE(pluginKindOfVersion("00I"));
    EXPECT_FALSE(pluginKindOfVersion("T0IN"));
    EXPECT_FALSE(pluginKindOfVersion(""));
}

std::vector<std::uint8_t> peImage(std::uint32_t peOffset, std::uint16_t machine, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    for (int i = 0; i < 4; ++i)
        bytes[0x3C + i] = static_cast<std::uint8_t>(peOffset >> (8 * i));
    if (std::size_t{peOffset} + 6 <= size) {
        bytes[peOffset] = 'P';
        bytes[peOffset + 1] = 'E';
        bytes[peOffset + 4] = static_cast<std::uint8_t>(machine);
        bytes[peOffset + 5] = static_cast<std::uint8_t>(machine >> 8);
    }
    return bytes;
}

TEST(SusiePluginRulesTest, MachineOfThePeHeaderWithinTheBytesRead) {
    EXPECT_EQ(kMachineAmd64, peMachine(peImage(0x80, kMachineAmd64, 512)));
    EXPECT_EQ(kMachineI386, peMachine(peImage(0x80, kMachineI386, 512)));
    EXPECT_EQ(kMachineI386, peMachine(peImage(506, kMachineI386, 512)));
    // Header beyond what was read, or an offset that wraps.
    EXPECT_FALSE(peMachine(peImage(507, kMachineI386, 512)));
    EXPECT_FALSE(peMachine(peImage(0xFFFFFFFF, kMachineI386, 512)));
    auto cut = peImage(0x80, kMachineI386, 512);
    cut.resize(0x3F);
    EXPECT_FALSE(peMachine(cut));
    auto text = peImage(0x80, kMachineAmd64, 512);
    text[0] = 'T';
    EXPECT_FALSE(peMachine(text));
    auto noSignature = peImage(0x80, kMachineAmd64, 512);
    noSignature[0x81] = 'X';
    EXPECT_FALSE(peMachine(noSignature));
}

TEST(SusiePluginRulesTest, InfoTextEndsAtTheNulTheCountOrTheBuffer) {
    std::array<char, 8> buffer = {'*', '.', 'p', 'v', 't', '\0', 'z', 'z'};
    EXPECT_EQ("*.pvt", pluginInfoBytes(buffer, 5));
    EXPECT_EQ("*.pvt", pluginInfoBytes(buffer, 200));
    EXPECT_EQ("*.p", pluginInfoBytes(buffer, 3));
    EXPECT_FALSE(pluginInfoBytes(buffer, 0));
    EXPECT_FALSE(pluginInfoBytes(buffer, -1));
    // A plug-in that filled the whole buffer without a NUL.
    std::array<char, 4> full = {'0', '0', 'I', 'N'};
    EXPECT_EQ("00IN", pluginInfoBytes(full, 4));
    EXPECT_EQ("00IN", pluginInfoBytes(full, 260));
}

TEST(SusiePluginRulesTest, PatternsUntilTheFirstMissingNumberOrTheCap) {
    std::vector<int> asked;
    // Answers numbers up to 6 with "n<number>", filling the rest of the buffer it was given.
    auto sixNumbers = [&](int n, std::span<char> buffer) {
        asked.push_back(n);
        EXPECT_EQ(static_cast<std::size_t>(kPluginInfoBufferSize), buffer.size());
        if (n > 6)
            return 0;
        std::fill(buffer.begin(), buffer.end(), 'z');
        const std::string text = "n" + std::to_string(n);
        std::copy(text.begin(), text.end(), buffer.begin());
        return static_cast<int>(text.size());
    };
    EXPECT_EQ((std::vector<std::string>{"n2", "n4", "n6"}), pluginPatterns(sixNumbers));
    EXPECT_EQ((std::vector<int>{2, 4, 6, 8}), asked);

    // One that never ends, and fills the whole buffer without a NUL.
    int calls = 0;
    auto endless = [&](int, std::span<char> buffer) {
        ++calls;
        std::fill(buffer.begin(), buffer.end(), 'x');
        return 100000;
    };
    const auto patterns = pluginPatterns(endless);
    EXPECT_EQ(static_cast<std::size_t>(kMaxPluginFileTypes), patterns.size());
    EXPECT_EQ(kMaxPluginFileTypes, calls);
    EXPECT_EQ(std::string(kPluginInfoBufferSize, 'x'), patterns.back());
}

TEST(SusiePluginRulesTest, ListTextIsTheFileNameAndEachPattern) {
    EXPECT_EQ(L"ifjpeg.spi： *.jpg *.jpeg", pluginListText(L"ifjpeg.spi", {L"*.jpg", L"*.jpeg"}));
    EXPECT_EQ(L"none.spi：", pluginListText(L"none.spi", {}));
}

} // namespace
} // namespace pvn
