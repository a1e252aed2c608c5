#include "tray/InputBoxLayout.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(InputBoxLayoutTest, EmptyLinesCountAsOneBlank) {
    EXPECT_EQ((std::vector<std::wstring>{L"新しいファイル名を指定してください"}),
              promptLines(L"新しいファイル名を指定してください"));
    EXPECT_EQ((std::vector<std::wstring>{L"a", L" ", L"b"}), promptLines(L"a\n\nb"));
    EXPECT_EQ((std::vector<std::wstring>{L"a", L" "}), promptLines(L"a\r\n"));
    EXPECT_EQ((std::vector<std::wstring>{L" "}), promptLines(L""));
}

TEST(InputBoxLayoutTest, GrowsByWhatTheLinesNeedBeyondTheTemplate) {
    struct Case {
        BoxSize prompt;
        std::vector<BoxSize> lines;
        BoxSize growth;
    };
    const Case cases[] = {
        {{200, 20}, {{120, 15}}, {0, 0}},
        {{200, 20}, {{260, 15}}, {60, 0}},
        {{200, 20}, {{100, 15}, {230, 15}, {10, 15}}, {30, 25}},
        {{200, 45}, {{100, 15}, {100, 15}, {100, 15}}, {0, 0}},
        {{200, 20}, {}, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.growth, promptGrowth(c.prompt, c.lines));
}

} // namespace
} // namespace pvn
