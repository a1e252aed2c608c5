#include "settings/EnvironmentReport.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

TEST(EnvironmentReport, OsLineForEachClass) {
    EXPECT_EQ(L"OS=Windows 7 x86", osReportLine(2, false));
    EXPECT_EQ(L"OS=Windows 8.1 x64", osReportLine(4, true));
    EXPECT_EQ(L"OS=Windows 10 x64", osReportLine(5, true));
    EXPECT_EQ(L"OS=Windows 11 x86", osReportLine(6, false));
    for (int level : {0, 1, 3, 7})
        EXPECT_FALSE(osReportLine(level, true)) << level;
}

TEST(EnvironmentReport, SystemThenSettingsInOrderWithoutTheTrayHandle) {
    const std::vector<ReportValue> version = {{L"CurrentBuild", std::wstring(L"19045")},
                                              {L"ProductName", std::wstring(L"Windows 10 Pro")},
                                              {L"UBR", 3803u}};
    const std::vector<ReportValue> settings = {{L"StartType", 2u},
                                               {L"PVNTrayHandle", 655366u},
                                               {L"pvntrayhandle", 1u},
                                               {L"TTFName", std::wstring(L"ＭＳ ゴシック")},
                                               {L"SomethingElse", std::wstring(L"")}};
    const std::vector<std::wstring> expected = {L"OS=Windows 10 x64",       L"CurrentBuild=19045",
                                                L"ProductName=Windows 10 Pro", L"UBR=3803",
                                                L"StartType=2",             L"TTFName=\"ＭＳ ゴシック\"",
                                                L"SomethingElse=\"\""};
    EXPECT_EQ(expected, environmentReport(5, true, version, settings));
}

TEST(EnvironmentReport, Windows8HasNoOsLine) {
    const auto lines = environmentReport(3, false, {}, {{L"QES", 0u}});
    EXPECT_EQ(std::vector<std::wstring>{L"QES=0"}, lines);
}

} // namespace
} // namespace pvn
