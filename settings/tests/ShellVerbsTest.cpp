#include "settings/ShellVerbs.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

using Op = RegistryStep::Op;

TEST(ShellVerbs, CommandQuotesTheProgramAndPassesTheFolder) {
    EXPECT_EQ(L"\"C:\\Tools\\Parvane\\PVNMain.exe\" %L", verbCommand(L"C:\\Tools\\Parvane"));
    EXPECT_EQ(L"\"d:\\PVNMain.exe\" %L", verbCommand(L"d:\\"));
}

TEST(ShellVerbs, EveryStartTypeRemovesWhatWasThereFirst) {
    for (std::uint32_t t : {0u, 1u, 2u}) {
        const auto plan = verbRegistrationPlan(t, L"C:\\P");
        ASSERT_GE(plan.size(), 6u);
        const std::vector<RegistryStep> removal = {
            {Op::DeleteKey, L"Directory\\shell\\Parvane\\command", {}},
            {Op::DeleteKey, L"Directory\\shell\\Parvane", {}},
            {Op::DeleteDefault, L"Directory\\shell", {}},
            {Op::DeleteKey, L"Drive\\shell\\Parvane\\command", {}},
            {Op::DeleteKey, L"Drive\\shell\\Parvane", {}},
            {Op::DeleteDefault, L"Drive\\shell", {}},
        };
        EXPECT_EQ(removal, std::vector<RegistryStep>(plan.begin(), plan.begin() + 6)) << t;
    }
    EXPECT_EQ(6u, verbRegistrationPlan(0, L"C:\\P").size());
}

TEST(ShellVerbs, ContextMenuVerbAndDefaultVerb) {
    const std::wstring command = L"\"C:\\P\\PVNMain.exe\" %L";
    const std::vector<RegistryStep> verbs = {
        {Op::SetDefault, L"Directory\\shell\\Parvane", L"Parvane(&A)"},
        {Op::SetDefault, L"Directory\\shell\\Parvane\\command", command},
        {Op::SetDefault, L"Drive\\shell\\Parvane", L"Parvane(&A)"},
        {Op::SetDefault, L"Drive\\shell\\Parvane\\command", command},
    };
    const auto one = verbRegistrationPlan(1, L"C:\\P");
    EXPECT_EQ(verbs, std::vector<RegistryStep>(one.begin() + 6, one.end()));

    auto withDefault = verbs;
    withDefault.push_back({Op::SetDefault, L"Directory\\shell", L"Parvane"});
    withDefault.push_back({Op::SetDefault, L"Drive\\shell", L"Parvane"});
    const auto two = verbRegistrationPlan(2, L"C:\\P");
    EXPECT_EQ(withDefault, std::vector<RegistryStep>(two.begin() + 6, two.end()));
}

TEST(ShellVerbs, StartTypeShownByTheRegistration) {
    EXPECT_EQ(0u, startTypeFromShell(false, std::wstring(L"Parvane")));
    EXPECT_EQ(0u, startTypeFromShell(false, std::nullopt));
    EXPECT_EQ(1u, startTypeFromShell(true, std::nullopt));
    EXPECT_EQ(1u, startTypeFromShell(true, std::wstring(L"open")));
    EXPECT_EQ(1u, startTypeFromShell(true, std::wstring(L"parvane")));
    EXPECT_EQ(2u, startTypeFromShell(true, std::wstring(L"Parvane")));
}

} // namespace
} // namespace pvn
