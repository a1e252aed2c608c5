#include "settings/ExtensionList.h"
#include "settings/PluginInfoText.h"

#include <gtest/gtest.h>

#include <map>

namespace pvn {
namespace {

TEST(ExtensionListTest, StoredListSplitsLowerCasedAndDropsTheUnterminatedTail) {
    ExtensionList list(asciiLowerCase);
    list.assignStored(L"TXT;cpp;;h;md");
    EXPECT_EQ((std::vector<std::wstring>{L"txt", L"cpp", L"h"}), list.entries());
    EXPECT_EQ(L"txt;cpp;h;", list.joined());
}

TEST(ExtensionListTest, AddLowerCasesAndRefusesAnExtensionThatDiffersOnlyInCase) {
    ExtensionList list(asciiLowerCase);
    list.assignStored(L"txt;cpp;");
    EXPECT_EQ(ExtensionList::AddResult::Added, list.add(L"LOG"));
    EXPECT_EQ(ExtensionList::AddResult::Duplicate, list.add(L"Cpp"));
    EXPECT_EQ(ExtensionList::AddResult::Empty, list.add(L""));
    EXPECT_EQ(L"txt;cpp;log;", list.joined());

    list.remove(0);
    list.remove(7);
    EXPECT_EQ(L"cpp;log;", list.joined());
    list.remove(0);
    list.remove(0);
    EXPECT_EQ(L"", list.joined());
    list.assignStored(L"");
    EXPECT_TRUE(list.entries().empty());
}

TEST(PluginInfoTextTest, DescriptionThenEachFileTypePair) {
    std::map<int, std::wstring> infos = {
        {1, L"Test image plug-in"}, {2, L"*.tst"}, {3, L"Test picture"}, {4, L"*.ts2;*.ts3"}, {5, L"More"}};
    auto info = [&](int n) -> std::optional<std::wstring> {
        auto it = infos.find(n);
        return it == infos.end() ? std::nullopt : std::optional(it->second);
    };
    EXPECT_EQ(L"Test image plug-in\n拡張子 *.tst：Test picture\n拡張子 *.ts2;*.ts3：More\n",
              pluginInfoText(info));

    infos.erase(5);
    infos.erase(1);
    EXPECT_EQ(L"\n拡張子 *.tst：Test picture\n拡張子 *.ts2;*.ts3：\n", pluginInfoText(info));
}

TEST(PluginInfoTextTest, APlugInThatNeverEndsIsCutOff) {
    int calls = 0;
    auto endless = [&](int) -> std::optional<std::wstring> {
        ++calls;
        return L"x";
    };
    std::wstring text = pluginInfoText(endless);
    EXPECT_LE(calls, 1 + 2 * kMaxPluginFileTypes);
    EXPECT_NE(std::wstring::npos, text.find(L"拡張子 x：x\n"));
}

} // namespace
} // namespace pvn
