#include "common/SectionReader.h"
#include "common/SectionWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace pvn {
namespace {

TEST(SectionWriterTest, WriteSucceedsOnlyWhileItFits) {
    std::array<std::byte, 10> section{};
    SectionWriter writer(section);
    EXPECT_TRUE(writer.writeUint32(0x04030201));
    EXPECT_TRUE(writer.writeInt32(-1));
    EXPECT_EQ(8u, writer.offset());
    EXPECT_FALSE(writer.writeUint32(5)) << "8 + 4 > 10";
    EXPECT_EQ(8u, writer.offset()) << "a refused write leaves the offset";
    EXPECT_EQ(std::byte{0}, section[8]) << "and writes nothing";
    EXPECT_TRUE(writer.writeUnits(u"\x4142"));
    EXPECT_TRUE(writer.full());
    EXPECT_FALSE(writer.write(std::array<std::byte, 1>{}));
    EXPECT_TRUE(writer.write({})) << "nothing always fits";
    const unsigned char expected[10] = {1, 2, 3, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0x42, 0x41};
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(expected[i], static_cast<unsigned char>(section[i])) << i;
}

TEST(SectionWriterTest, UnitsThatDoNotAllFitAreRefusedWhole) {
    std::array<std::byte, 5> section{};
    SectionWriter writer(section);
    EXPECT_FALSE(writer.writeUnits(u"abc"));
    EXPECT_EQ(0u, writer.offset());
    EXPECT_EQ(std::byte{0}, section[0]);
    EXPECT_TRUE(writer.writeUnits(u"ab"));
    EXPECT_FALSE(writer.writeUnits(u"c")) << "one byte left, a unit needs two";
    EXPECT_EQ(4u, writer.offset());
}

TEST(SectionWriterTest, EmptySectionRefusesEverything) {
    SectionWriter writer(std::span<std::byte>{});
    EXPECT_FALSE(writer.writeUint32(1));
    EXPECT_FALSE(writer.writeUnits(u"a"));
    EXPECT_EQ(0u, writer.offset());
}

TEST(SectionReaderTest, ReadsNeverPassTheView) {
    const std::vector<std::byte> view = {std::byte{1}, std::byte{0}, std::byte{0}, std::byte{0x80},
                                         std::byte{9}, std::byte{8}};
    SectionReader reader(view);
    EXPECT_EQ(0x80000001u, reader.peekUint32());
    EXPECT_EQ(0u, reader.offset()) << "peeking does not move";
    EXPECT_EQ(static_cast<std::int32_t>(0x80000001u), reader.readInt32());
    EXPECT_FALSE(reader.readUint32()) << "two bytes left";
    EXPECT_FALSE(reader.peekUint32());
    EXPECT_EQ(4u, reader.offset()) << "a refused read leaves the offset";
    EXPECT_EQ(2u, reader.rest().size());
    EXPECT_FALSE(reader.skip(3));
    EXPECT_TRUE(reader.skip(2));
    EXPECT_EQ(0u, reader.remaining());
    EXPECT_TRUE(reader.read(0));
    EXPECT_FALSE(reader.read(1));
}

TEST(SectionReaderTest, HugeLengthsDoNotWrapAround) {
    std::array<std::byte, 8> view{};
    SectionReader reader(view);
    reader.skip(4);
    EXPECT_FALSE(reader.read(static_cast<std::size_t>(-1)));
    EXPECT_FALSE(reader.skip(static_cast<std::size_t>(-4)));
    EXPECT_EQ(4u, reader.offset());
}

} // namespace
} // namespace pvn
