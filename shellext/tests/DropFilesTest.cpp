#include "shellext/DropFiles.h"

#include "common/TextPlatform.h"
#include "shellext/tests/DropFilesBuilder.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

using test::dropFilesHeader;
using test::putWide;
using test::wideDropFiles;

class DropFilesTest : public ::testing::Test {
protected:
    std::optional<std::vector<std::wstring>> parse(const std::vector<std::byte>& block) {
        return parseDropFiles(block, textPlatform());
    }
};

TEST_F(DropFilesTest, WideNamesInBlockOrder) {
    const auto names = parse(wideDropFiles({u"C:\\a", u"C:\\デスクトップ\\表.txt", u"D:\\"}));
    ASSERT_TRUE(names);
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\a", L"C:\\デスクトップ\\表.txt", L"D:\\"}), *names);
}

TEST_F(DropFilesTest, AnsiNamesAreInTheSystemCodePage) {
    auto block = dropFilesHeader(20, false);
    for (char c : std::string("C:\\\x95\x5c\0C:\\b\0\0", 12))
        block.push_back(static_cast<std::byte>(c));
    const auto names = parse(block);
    ASSERT_TRUE(names);
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\表", L"C:\\b"}), *names);
}

TEST_F(DropFilesTest, NamesMayStartAfterALargerHeader) {
    auto block = dropFilesHeader(24);
    putWide(block, std::u16string(u"\xFFFF\xFFFF" u"C:\\x\0\0", 8));
    // The two units after the header are padding the header skips; the names start at 24.
    const auto names = parse(block);
    ASSERT_TRUE(names);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\x"}, *names);
}

TEST_F(DropFilesTest, AnEmptyListIsReadAsEmpty) {
    const auto names = parse(wideDropFiles({}));
    ASSERT_TRUE(names);
    EXPECT_TRUE(names->empty());
}

TEST_F(DropFilesTest, MalformedBlocksAreRefusedWithoutReadingPastThem) {
    EXPECT_FALSE(parse({})) << "no header";
    EXPECT_FALSE(parse(std::vector<std::byte>(19))) << "header cut short";
    EXPECT_FALSE(parse(dropFilesHeader(20))) << "names start at the end";
    EXPECT_FALSE(parse(dropFilesHeader(0))) << "names inside the header";
    auto far = wideDropFiles({u"C:\\a"});
    far[0] = std::byte{0xFF};
    far[1] = std::byte{0xFF};
    EXPECT_FALSE(parse(far)) << "names beyond the block";

    auto unclosed = dropFilesHeader();
    putWide(unclosed, std::u16string(u"C:\\a\0C:\\b", 9));
    EXPECT_FALSE(parse(unclosed)) << "last name without its NUL";
    auto noFinal = dropFilesHeader();
    putWide(noFinal, std::u16string(u"C:\\a\0", 5));
    EXPECT_FALSE(parse(noFinal)) << "list without its closing empty name";
    auto odd = wideDropFiles({u"C:\\a"});
    odd.pop_back();
    EXPECT_FALSE(parse(odd)) << "the closing NUL cut in half";
}

TEST_F(DropFilesTest, AVeryLongNameIsReadWholeForTheCallerToJudge) {
    const std::u16string longName = u"C:\\" + std::u16string(32000, u'x');
    const auto names = parse(wideDropFiles({longName}));
    ASSERT_TRUE(names);
    ASSERT_EQ(1u, names->size());
    EXPECT_EQ(longName.size(), (*names)[0].size());
}

} // namespace
} // namespace pvn
