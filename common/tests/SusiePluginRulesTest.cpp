#include "common/SusiePluginRules.h"

#include <gtest/gtest.h>

#include <array>

namespace pvn {
namespace {

TEST(SusiePluginRulesTest, OnlyTheExactExtensionInAnyCase) {
    for (const wchar_t* name : {L"ifjpeg.spi", L"IFPNG.SPI", L"a.Spi"})
        EXPECT_TRUE(hasPluginExtension(name)) << name;
    for (const wchar_t* name : {L".spi", L"x.spi1", L"x.spix", L"x.sp", L"spi", L"x_spi", L"x.spi.bak", L""})
        EXPECT_FALSE(hasPluginExtension(name)) << name;
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

TEST(SusiePluginRulesTest, ListTextIsTheFileNameAndEachPattern) {
    EXPECT_EQ(L"ifjpeg.spi： *.jpg *.jpeg", pluginListText(L"ifjpeg.spi", {L"*.jpg", L"*.jpeg"}));
    EXPECT_EQ(L"none.spi：", pluginListText(L"none.spi", {}));
}

} // namespace
} // namespace pvn
