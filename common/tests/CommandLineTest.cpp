#include "common/CommandLine.h"
#include "common/FilerCommand.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

void expectSplit(const std::wstring& text, const std::wstring& program, const std::wstring& arguments) {
    const CommandLine c = splitCommandLine(text);
    EXPECT_EQ(program, c.program) << "for [" << std::string(text.begin(), text.end()) << "]";
    EXPECT_EQ(arguments, c.arguments) << "for [" << std::string(text.begin(), text.end()) << "]";
}

TEST(CommandLine, QuotedProgram) {
    expectSplit(L"\"C:\\Program Files\\F\\f.exe\" /e,\"%s\"  ", L"C:\\Program Files\\F\\f.exe", L"/e,\"%s\"");
    expectSplit(L"\"C:\\P Q\\m.exe\"   c:\\Data ", L"C:\\P Q\\m.exe", L"c:\\Data");
    expectSplit(L"\"C:\\P Q\\m.exe\"", L"C:\\P Q\\m.exe", L"");
}

TEST(CommandLine, QuotedProgramNeverReadsPastTheEnd) {
    expectSplit(L"\"", L"", L"");
    expectSplit(L"\"\"", L"", L"");
    expectSplit(L"\"C:\\no close x", L"C:\\no close x", L"");
    expectSplit(L"\"f.exe\" ", L"f.exe", L"");
    expectSplit(L"\"f.exe\"-x", L"f.exe", L"-x");
}

TEST(CommandLine, UnquotedProgramEndsAtTheFirstBlank) {
    expectSplit(L"f.exe -a  b ", L"f.exe", L"-a  b");
    expectSplit(L"f.exe", L"f.exe", L"");
    expectSplit(L"", L"", L"");
    expectSplit(L"f.exe ", L"f.exe", L"");
    expectSplit(L"  x", L"", L"x");
}

TEST(FilerCommand, CtrlIsTestedLastAndWins) {
    EXPECT_EQ(0, chooseFiler(false, false));
    EXPECT_EQ(1, chooseFiler(true, false));
    EXPECT_EQ(2, chooseFiler(false, true));
    EXPECT_EQ(2, chooseFiler(true, true));
}

TEST(FilerCommand, PlaceholdersTakeTheShortAndTheLongPath) {
    int asked = 0;
    auto shortPath = [&asked]() -> std::optional<std::wstring> {
        ++asked;
        return L"C:\\PROGRA~1";
    };
    const std::wstring folder = L"C:\\Program Files";
    EXPECT_EQ(L"-n C:\\PROGRA~1", expandFilerArguments(L"-n %s", folder, shortPath));
    EXPECT_EQ(L"-n C:\\Program Files", expandFilerArguments(L"-n %l", folder, shortPath));
    EXPECT_EQ(L"C:\\Program Files C:\\PROGRA~1 %s %l",
              expandFilerArguments(L"%l %s %s %l", folder, shortPath))
        << "only the first of each";
    EXPECT_EQ(2, asked);
    EXPECT_EQ(L"-n", expandFilerArguments(L"-n", folder, shortPath));
    EXPECT_EQ(L"", expandFilerArguments(L"", folder, shortPath));
    EXPECT_EQ(L"%S %L", expandFilerArguments(L"%S %L", folder, shortPath));
    EXPECT_EQ(2, asked) << "no short path is asked for without %s";
}

TEST(FilerCommand, ALongPathPlaceholderInsideTheShortPathIsLeftAlone) {
    auto shortPath = []() -> std::optional<std::wstring> { return L"C:\\A%lB~1"; };
    EXPECT_EQ(L"C:\\A%lB~1 C:\\a%lb dir", expandFilerArguments(L"%s %l", L"C:\\a%lb dir", shortPath));
}

TEST(FilerCommand, WithoutAShortPathTheFolderItselfIsUsed) {
    auto none = []() -> std::optional<std::wstring> { return std::nullopt; };
    EXPECT_EQ(L"/x C:\\Long Name", expandFilerArguments(L"/x %s", L"C:\\Long Name", none));
}

TEST(FilerCommand, OriginWindowMatchesFolderOrAncestorByTitle) {
    EXPECT_TRUE(originWindowMatches(L"C:\\Data\\Sub", L"C:\\Data"));
    EXPECT_TRUE(originWindowMatches(L"C:\\Data\\Sub", L"Data"));
    EXPECT_TRUE(originWindowMatches(L"C:\\Data\\Sub\\Deep", L"Sub"));
    EXPECT_FALSE(originWindowMatches(L"C:\\Data\\Sub", L"Sub"))
        << "the folder itself needs a backslash after it";
    EXPECT_FALSE(originWindowMatches(L"C:\\Database\\x", L"Data"));
    EXPECT_FALSE(originWindowMatches(L"C:\\MyData\\x", L"Data"));
    EXPECT_FALSE(originWindowMatches(L"\\\\srv\\share\\x", L"")) << "an untitled window closes nothing";
}

} // namespace
} // namespace pvn
