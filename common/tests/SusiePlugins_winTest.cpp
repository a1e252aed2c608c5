#include "common/SusiePlugins_win.h"
#include "common/Paths_win.h"
#include "common/tests/support/TestFiles_win.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pvn {
namespace {

std::wstring testPluginFolder() {
    return programFolder() + L"\\testplugins\\";
}

std::vector<std::wstring> listTexts(const std::vector<SusiePlugin>& plugins) {
    std::vector<std::wstring> texts;
    for (const SusiePlugin& p : plugins)
        texts.push_back(p.listText);
    std::sort(texts.begin(), texts.end());
    return texts;
}

const SusiePlugin* named(const std::vector<SusiePlugin>& plugins, const std::wstring& prefix) {
    for (const SusiePlugin& p : plugins)
        if (p.listText.starts_with(prefix))
            return &p;
    return nullptr;
}

class SusiePluginsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* name : {L"PvnTestImage", L"PvnTestPlain", L"PvnTestArchive", L"PvnTestOther"})
            ASSERT_TRUE(copy(std::wstring(name) + L".spi", std::wstring(name) + L".spi"));
        // A 64-bit plug-in under the name 64-bit plug-ins commonly have.
        ASSERT_TRUE(copy(L"PvnTestPlain.spi", L"Wide.sph"));
        // Not plug-ins by their names, though the listing's pattern may match them (also through
        // their short names).
        for (const wchar_t* name : {L"Longer.spi1", L"Disabled.spi_", L"Disabled.sph_", L"Wider.sphx"})
            ASSERT_TRUE(copy(L"PvnTestImage.spi", name));
        m_folder.folder(L"Folder.spi");
        m_folder.file(L"Broken.spi", "not a library");
        // The image plug-in marked as a 32-bit one: the 64-bit program must pass it over quietly.
        std::string image = test::readWholeFile(testPluginFolder() + L"PvnTestImage.spi");
        ASSERT_GT(image.size(), 0x40u);
        const std::uint32_t pe =
            static_cast<std::uint8_t>(image[0x3C]) | static_cast<std::uint8_t>(image[0x3D]) << 8;
        image[pe + 4] = static_cast<char>(0x4C);
        image[pe + 5] = static_cast<char>(0x01);
        ASSERT_TRUE(test::writeWholeFile(m_folder.path() + L"\\Foreign.spi", image));
        ASSERT_TRUE(test::writeWholeFile(m_folder.path() + L"\\Foreign.sph", image));
    }

    bool copy(const std::wstring& from, const std::wstring& to) {
        return CopyFileW((testPluginFolder() + from).c_str(), (m_folder.path() + L"\\" + to).c_str(), FALSE);
    }

    test::FixtureFolder m_folder{test::FixtureFolder::inTemp(L"pvn_plugins")};
};

TEST_F(SusiePluginsTest, OnlyUsablePluginsOfTheWantedKindsAreKept) {
    const std::wstring patterns = L"： *.pvt *.pv2;*.pv3";
    auto images = loadSusiePlugins(m_folder.path(), true, false);
    EXPECT_EQ((std::vector<std::wstring>{L"PvnTestImage.spi" + patterns, L"PvnTestPlain.spi" + patterns,
                                         L"Wide.sph" + patterns}),
              listTexts(images));

    auto all = loadSusiePlugins(m_folder.path() + L"\\", true, true);
    EXPECT_EQ((std::vector<std::wstring>{L"PvnTestArchive.spi" + patterns, L"PvnTestImage.spi" + patterns,
                                         L"PvnTestPlain.spi" + patterns, L"Wide.sph" + patterns}),
              listTexts(all));
    const SusiePlugin* archive = named(all, L"PvnTestArchive");
    ASSERT_NE(nullptr, archive);
    EXPECT_EQ(SusiePluginKind::Archive, archive->kind);
    EXPECT_EQ("00AM", archive->version);
    EXPECT_EQ(1u, loadSusiePlugins(m_folder.path(), false, true).size());
}

TEST_F(SusiePluginsTest, InformationAndConfigurationOfALoadedPlugin) {
    auto plugins = loadSusiePlugins(m_folder.path(), true, true);
    const SusiePlugin* image = named(plugins, L"PvnTestImage");
    const SusiePlugin* plain = named(plugins, L"PvnTestPlain");
    const SusiePlugin* archive = named(plugins, L"PvnTestArchive");
    ASSERT_TRUE(image && plain && archive);
    EXPECT_EQ(L"Parvane テスト plug-in", susiePluginInfo(image->module.get(), 1));
    EXPECT_EQ(L"Second test picture", susiePluginInfo(image->module.get(), 5));
    EXPECT_FALSE(susiePluginInfo(image->module.get(), 6));
    EXPECT_FALSE(susiePluginConfiguration(plain->module.get(), nullptr, 0));
    EXPECT_EQ(-1, susiePluginConfiguration(archive->module.get(), nullptr, 1));
}

TEST(SusiePluginsFolderTest, AnEmptyOrMissingFolderHasNoPlugins) {
    test::FixtureFolder empty(test::FixtureFolder::inTemp(L"pvn_plugins_empty"));
    EXPECT_TRUE(loadSusiePlugins(empty.path(), true, true).empty());
    EXPECT_TRUE(loadSusiePlugins(empty.path() + L"\\missing", true, true).empty());
    EXPECT_TRUE(loadSusiePlugins(L"", true, true).empty());
}

} // namespace
} // namespace pvn
