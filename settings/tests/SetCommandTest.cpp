#include "settings/SetCommand.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

struct WordCase {
    const wchar_t* arguments;
    SetCommandKind kind;
    std::uint32_t startType = 0;
};

class SetCommandWords : public testing::TestWithParam<WordCase> {};

TEST_P(SetCommandWords, ChooseTheirUse) {
    const SetCommand command = parseSetCommand(GetParam().arguments);
    EXPECT_EQ(GetParam().kind, command.kind);
    EXPECT_EQ(GetParam().startType, command.startType);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SetCommandWords,
    testing::Values(WordCase{L"", SetCommandKind::Install}, WordCase{L"set", SetCommandKind::Settings},
                    WordCase{L"edit", SetCommandKind::Edit}, WordCase{L"notexist", SetCommandKind::NotExist},
                    WordCase{L"about", SetCommandKind::About}, WordCase{L"alluninstall", SetCommandKind::AllUninstall},
                    WordCase{L"starttype0", SetCommandKind::StartType, 0},
                    WordCase{L"starttype1", SetCommandKind::StartType, 1},
                    WordCase{L"starttype2", SetCommandKind::StartType, 2},
                    WordCase{L"starttype02", SetCommandKind::StartType, 2},
                    // Exact and case-sensitive; the word opens the string.
                    WordCase{L"Set", SetCommandKind::Unknown}, WordCase{L"set ", SetCommandKind::Unknown},
                    WordCase{L"Starttype2", SetCommandKind::Unknown},
                    WordCase{L"xstarttype2", SetCommandKind::Unknown},
                    WordCase{L" starttype2", SetCommandKind::Unknown},
                    // A start type no page can show, or no number at all.
                    WordCase{L"starttype", SetCommandKind::Unknown}, WordCase{L"starttype3", SetCommandKind::Unknown},
                    WordCase{L"starttype2x", SetCommandKind::Unknown},
                    WordCase{L"starttype-1", SetCommandKind::Unknown},
                    WordCase{L"starttype99999999999", SetCommandKind::Unknown},
                    WordCase{L"unknown", SetCommandKind::Unknown}),
    [](const testing::TestParamInfo<WordCase>& param) { return "Case" + std::to_string(param.index); });

TEST(SetCommand, OneMutexPerArgumentString) {
    EXPECT_EQ(L"PVNSet_set", instanceMutexName(L"set"));
    EXPECT_EQ(L"PVNSet_", instanceMutexName(L""));
    EXPECT_NE(instanceMutexName(L"set"), instanceMutexName(L"about"));
}

} // namespace
} // namespace pvn
