#include "common/SettingsTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace pvn {
namespace {

using ::testing::ElementsAreArray;
using ::testing::UnorderedElementsAreArray;

std::vector<std::wstring> namesOf(SettingPage page) {
    std::vector<std::wstring> names;
    for (const SettingDef& d : settingsTable())
        if (d.page == page)
            names.push_back(d.name);
    return names;
}

// Value names are ASCII.
std::string narrow(std::wstring_view name) {
    std::string out;
    for (wchar_t c : name)
        out += static_cast<char>(c);
    return out;
}

const SettingDef& def(std::wstring_view name) {
    const SettingDef* d = findSetting(name);
    EXPECT_NE(nullptr, d) << narrow(name);
    static const SettingDef none;
    return d ? *d : none;
}

TEST(SettingsTableTest, EveryPageHoldsExactlyItsValues) {
    using P = SettingPage;
    EXPECT_THAT(namesOf(P::Open), UnorderedElementsAreArray<std::wstring>(
                                      {L"StartType", L"OpenBottom", L"OpenNet", L"OpenKey", L"OpenPush"}));
    EXPECT_THAT(namesOf(P::Show),
                UnorderedElementsAreArray<std::wstring>(
                    {L"MenuOverFlow", L"IncludeHidden", L"PosFix", L"OpenShift", L"FolderIcon", L"Order"}));
    EXPECT_THAT(namesOf(P::File), UnorderedElementsAreArray<std::wstring>(
                                      {L"FileNum", L"FileUpside", L"FHistory", L"FTogether"}));
    EXPECT_THAT(namesOf(P::Drive), UnorderedElementsAreArray<std::wstring>({L"Drive", L"DrvOther"}));
    EXPECT_THAT(namesOf(P::FileOpe), UnorderedElementsAreArray<std::wstring>({L"FOPRename", L"FOPAfter"}));
    EXPECT_THAT(namesOf(P::Recent),
                UnorderedElementsAreArray<std::wstring>({L"RecentSortType", L"ExcFav", L"ExcRC"}));
    EXPECT_THAT(namesOf(P::Favorites), UnorderedElementsAreArray<std::wstring>({L"Favorites", L"FavFName"}));
    EXPECT_THAT(namesOf(P::Filer),
                UnorderedElementsAreArray<std::wstring>({L"Filer0", L"Filer1", L"Filer2"}));
    EXPECT_EQ(26u, namesOf(P::Ctrl).size());
    EXPECT_THAT(namesOf(P::TTTxt),
                UnorderedElementsAreArray<std::wstring>(
                    {L"AsTextExtList", L"TTNumText", L"TabNChar", L"TTFName", L"TTFPoint10"}));
    EXPECT_THAT(namesOf(P::TTOther),
                UnorderedElementsAreArray<std::wstring>(
                    {L"TTHeight", L"TTWidth", L"TTFileSize", L"AsMovieExtList", L"TTEdgeCut"}));
    EXPECT_THAT(namesOf(P::Susie),
                UnorderedElementsAreArray<std::wstring>({L"SusiePluginDir", L"SusiePreview"}));
    EXPECT_THAT(namesOf(P::HotKey), ElementsAreArray<std::wstring>({L"HKDrv", L"HKRec", L"HKFav", L"HKLast",
                                                                    L"HKLastMenu", L"HKMyDoc"}));
    EXPECT_TRUE(namesOf(P::Scut).empty()) << "the shortcut page has no settings of its own";
    EXPECT_THAT(namesOf(P::Other), UnorderedElementsAreArray<std::wstring>(
                                       {L"OrgClose", L"ToolTipOn", L"SFolSingle", L"AddContext"}));
    EXPECT_THAT(namesOf(P::Special), ElementsAreArray<std::wstring>({L"QES"}));
    EXPECT_THAT(namesOf(P::None),
                UnorderedElementsAreArray<std::wstring>(
                    {L"InstallDir", L"Version", L"PVNTrayHandle", L"MenuHeight", L"MenuSepHeight",
                     L"ODMenuHeight", L"IconWidth", L"IconHeight", L"LastMenuItem", L"CurPage"}));
    EXPECT_EQ(86u, settingsTable().size());
}

TEST(SettingsTableTest, NamesAreUniqueAndFoundWithoutRegardToCase) {
    std::set<std::wstring> lowered;
    for (const SettingDef& d : settingsTable()) {
        std::wstring low;
        for (wchar_t c : d.name)
            low += (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
        EXPECT_TRUE(lowered.insert(low).second) << "duplicate name";
        EXPECT_EQ(&d, findSetting(d.name));
        EXPECT_EQ(&d, findSetting(low));
    }
    EXPECT_EQ(nullptr, findSetting(L"TTFNam"));
    EXPECT_EQ(nullptr, findSetting(L""));
    EXPECT_EQ(nullptr, findSetting(L"Ctrl["));
}

TEST(SettingsTableTest, EveryIdReachesItsOwnRow) {
    auto table = settingsTable();
    ASSERT_EQ(kSettingCount, table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto id = static_cast<SettingId>(i);
        EXPECT_EQ(id, table[i].id) << narrow(table[i].name);
        EXPECT_EQ(&table[i], &settingDef(id));
        EXPECT_EQ(table[i].name, settingName(id));
    }
    EXPECT_EQ(L"StartType", settingDef(SettingId::StartType).name);
    EXPECT_EQ(L"CurPage", settingDef(SettingId::CurPage).name);
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const auto id = static_cast<SettingId>(static_cast<int>(SettingId::CtrlA) + (letter - L'A'));
        EXPECT_EQ(ctrlValueName(letter), settingName(id));
    }
}

TEST(SettingsTableTest, PagesAreListedInDialogOrder) {
    EXPECT_EQ(L"メニュー起動", settingsPageLabel(SettingPage::Open));
    EXPECT_EQ(L"特別", settingsPageLabel(SettingPage::Special));
    EXPECT_EQ(kSettingsPageCount - 1, static_cast<int>(SettingPage::Special));
    EXPECT_TRUE(settingsPageLabel(SettingPage::None).empty());
    EXPECT_TRUE(settingsPageLabel(static_cast<SettingPage>(kSettingsPageCount)).empty());
}

TEST(SettingsTableTest, InstallAndIfAbsentValuesLieInTheirRanges) {
    for (const SettingDef& d : settingsTable()) {
        if (d.keptByPrograms() || d.kind == SettingKind::Text)
            continue;
        SCOPED_TRACE(narrow(d.name));
        EXPECT_TRUE(d.inRange(d.install.number));
        EXPECT_EQ(d.install.number, d.normalized(d.install.number));
        if (d.ifAbsent.computed == ComputedDefault::None) {
            EXPECT_TRUE(d.inRange(d.ifAbsent.number));
        }
        if (d.kind == SettingKind::Flag) {
            EXPECT_EQ(0u, d.min);
            EXPECT_EQ(1u, d.max);
        }
    }
    for (const SettingDef& d : settingsTable())
        if (d.kind == SettingKind::Text && d.install.computed == ComputedDefault::None) {
            EXPECT_TRUE(d.acceptsText(d.install.text));
        }
}

// The values whose If-absent differs from Install, or which the caller computes.
TEST(SettingsTableTest, SpecialDefaults) {
    EXPECT_EQ(4u, def(L"TabNChar").install.number);
    EXPECT_EQ(8u, def(L"TabNChar").ifAbsent.number);
    EXPECT_EQ(1u, def(L"DrvOther").install.number);
    EXPECT_EQ(0u, def(L"DrvOther").ifAbsent.number);
    EXPECT_EQ(2u, def(L"StartType").install.number);
    EXPECT_EQ(ComputedDefault::StartTypeFromShell, def(L"StartType").ifAbsent.computed);
    EXPECT_EQ(L"all", def(L"Drive").install.text);
    EXPECT_EQ(ComputedDefault::PresentDrives, def(L"Drive").ifAbsent.computed);
    EXPECT_EQ(ComputedDefault::ProgramFolder, def(L"SusiePluginDir").install.computed);
    EXPECT_EQ(ComputedDefault::ProgramFolder, def(L"SusiePluginDir").ifAbsent.computed);
    for (const SettingDef& d : settingsTable()) {
        if (d.keptByPrograms() || d.name == L"TabNChar" || d.name == L"DrvOther" || d.name == L"StartType" ||
            d.name == L"Drive")
            continue;
        SCOPED_TRACE(narrow(d.name));
        EXPECT_EQ(d.install.number, d.ifAbsent.number);
        EXPECT_EQ(d.install.text, d.ifAbsent.text);
        EXPECT_EQ(d.install.computed, d.ifAbsent.computed);
    }
}

TEST(SettingsTableTest, AllTwentySixCtrlBindingsWithTheirInstallLetters) {
    const std::map<wchar_t, std::wstring> bound = {
        {L'A', L"up"},      {L'C', L"copy"},      {L'D', L"delete"},     {L'F', L"fileop"},
        {L'K', L"command"}, {L'M', L"rename"},    {L'N', L"cliptoname"}, {L'O', L"selectopen"},
        {L'P', L"print"},   {L'Q', L"startopen"}, {L'R', L"property"},   {L'S', L"shortcut"},
        {L'V', L"paste"},   {L'X', L"cut"},       {L'Z', L"undo"},
    };
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        SCOPED_TRACE(static_cast<char>(letter));
        auto it = bound.find(letter);
        std::wstring expected = it == bound.end() ? L"none" : it->second;
        EXPECT_EQ(expected, ctrlInstallBinding(letter));
        const SettingDef& d = def(std::wstring(L"Ctrl") + letter);
        EXPECT_EQ(SettingKind::Text, d.kind);
        EXPECT_EQ(SettingPage::Ctrl, d.page);
        EXPECT_EQ(expected, d.install.text);
        EXPECT_EQ(expected, d.ifAbsent.text) << "a missing binding takes its Install value";
        EXPECT_TRUE(findCtrlKeyword(d.install.text).has_value());
    }
    EXPECT_EQ(L"CtrlQ", ctrlValueName(L'Q'));
    EXPECT_TRUE(ctrlValueName(L'a').empty());
    EXPECT_TRUE(ctrlValueName(L'[').empty());
    EXPECT_TRUE(ctrlInstallBinding(L'@').empty());
}

TEST(SettingsTableTest, CtrlKeywordsAndTheirDisplayNames) {
    const std::pair<const wchar_t*, const wchar_t*> expected[] = {
        {L"none", L"(なし)"},
        {L"fileop", L"PVNファイル操作"},
        {L"rename", L"名前の変更"},
        {L"cut", L"切り取り"},
        {L"copy", L"コピー"},
        {L"paste", L"貼り付け"},
        {L"shortcut", L"ショートカットの作成"},
        {L"delete", L"削除"},
        {L"property", L"プロパティ"},
        {L"command", L"コマンドプロンプト"},
        {L"cliptoname", L"フルパスをクリップボードにコピー"},
        {L"up", L"上位のメニュー表示"},
        {L"undo", L"やりなおし"},
        {L"print", L"プリント"},
        {L"selectopen", L"それを選択した状態でフォルダを開く"},
        {L"startopen", L"それを起動した状態でフォルダを開く"},
        {L"openexe", L"ＤＯＳコマンドの指定"},
    };
    auto keywords = ctrlKeywords();
    ASSERT_EQ(std::size(expected), keywords.size());
    for (std::size_t i = 0; i < keywords.size(); ++i) {
        EXPECT_EQ(expected[i].first, keywords[i].keyword);
        EXPECT_EQ(expected[i].second, keywords[i].displayName);
    }
    EXPECT_EQ(L"none", keywords[kCtrlNone].keyword);
    EXPECT_EQ(L"openexe", keywords[kCtrlOpenExe].keyword);

    EXPECT_EQ(std::optional<std::size_t>(13), findCtrlKeyword(L"print"));
    EXPECT_EQ(std::nullopt, findCtrlKeyword(L"Print")) << "keywords compare exactly";
    EXPECT_EQ(std::nullopt, findCtrlKeyword(L"print "));
    EXPECT_EQ(std::nullopt, findCtrlKeyword(L"\"c:\\x.exe\" \"%l\""));
    EXPECT_EQ(std::nullopt, findCtrlKeyword(L"openexe")) << "that binding stores its command line instead";
    EXPECT_EQ(std::nullopt, findCtrlKeyword(L""));
}

TEST(SettingsTableTest, ChoicesAndLabelsThePagesShow) {
    const SettingDef& key = def(L"OpenKey");
    ASSERT_EQ(4u, key.choices.size());
    EXPECT_EQ(L"F12", key.choice(123)->label);
    EXPECT_EQ(nullptr, key.choice(1));
    for (const wchar_t* name :
         {L"StartType", L"MenuOverFlow", L"Order", L"FOPRename", L"FOPAfter", L"RecentSortType"}) {
        SCOPED_TRACE(narrow(name));
        ASSERT_EQ(3u, def(name).choices.size());
        for (std::uint32_t i = 0; i < 3; ++i)
            EXPECT_EQ(i, def(name).choices[i].value) << "radio groups and lists store their index";
    }
    for (std::uint32_t i = 0; i < 3; ++i)
        EXPECT_EQ(def(L"FOPRename").choice(i)->label, def(L"FOPAfter").choice(i)->label);
    for (const SettingDef& d : settingsTable()) {
        if (d.page == SettingPage::HotKey) {
            EXPECT_FALSE(d.label.empty()) << "every hot key has its display name";
        }
    }
}

TEST(SettingsTableTest, WhoWritesAndReads) {
    for (const SettingDef& d : settingsTable())
        if (!d.keptByPrograms()) {
            EXPECT_TRUE(d.writers & kProgramSet) << "every page value is saved by the settings program";
        }
    EXPECT_EQ(kProgramSet | kProgramTray, def(L"StartType").writers);
    EXPECT_EQ(unsigned{kProgramExt}, def(L"AddContext").readers);
    EXPECT_EQ(kProgramTray | kProgramMain, def(L"TTFName").readers);
    EXPECT_EQ(unsigned{kProgramTray}, def(L"PVNTrayHandle").writers);
    EXPECT_EQ(unsigned{kProgramMain}, def(L"LastMenuItem").writers);
    EXPECT_EQ(0u, def(L"ODMenuHeight").readers);
    EXPECT_EQ(unsigned{kProgramTray}, def(L"HKMyDoc").readers);
    for (const SettingDef& d : settingsTable())
        EXPECT_EQ(d.name != L"PVNTrayHandle", d.reported) << "only the tray handle stays out of the report";
}

TEST(SettingsTableTest, TheSettingsProgramsRulesForStoredNumbers) {
    EXPECT_EQ(1u, def(L"QES").normalized(5)) << "a flag other than 0 or 1 is on and written back as 1";
    EXPECT_EQ(0u, def(L"QES").normalized(0));
    EXPECT_EQ(8u, def(L"TabNChar").normalized(3)) << "no tab width selected saves 8";
    EXPECT_EQ(2u, def(L"TabNChar").normalized(2));
    EXPECT_EQ(0u, def(L"OpenKey").normalized(5)) << "no key selected saves 0";
    EXPECT_EQ(17u, def(L"OpenKey").normalized(17));
    EXPECT_EQ(5u, def(L"TTNumText").normalized(1));
    EXPECT_EQ(99u, def(L"TTNumText").normalized(100));
    EXPECT_EQ(2000u, def(L"TTWidth").normalized(0xFFFFFFFFu));
    EXPECT_EQ(1u, def(L"TTFileSize").normalized(0));
    EXPECT_EQ(10u, def(L"FileNum").normalized(0)) << "no unlimited count";
    EXPECT_EQ(2u, def(L"MenuOverFlow").normalized(0xFFFFFFFFu)) << "an unchecked radio group is no value";
    EXPECT_EQ(1u, def(L"FOPRename").normalized(3));
    EXPECT_EQ(0u, def(L"CurPage").normalized(16));
    EXPECT_EQ(15u, def(L"CurPage").normalized(15));
    EXPECT_EQ(0x12345678u, def(L"TTFPoint10").normalized(0x12345678u));
    EXPECT_EQ(0x12345678u, def(L"PVNTrayHandle").normalized(0x12345678u));
}

TEST(SettingsTableTest, AFaceNameOf32CharactersIsRefused) {
    const SettingDef& face = def(L"TTFName");
    EXPECT_TRUE(face.acceptsText(std::wstring(31, L'あ')));
    EXPECT_FALSE(face.acceptsText(std::wstring(32, L'あ')));
    EXPECT_TRUE(face.acceptsText(L""));
    EXPECT_TRUE(def(L"Filer0").acceptsText(std::wstring(2000, L'x')));
}

} // namespace
} // namespace pvn
