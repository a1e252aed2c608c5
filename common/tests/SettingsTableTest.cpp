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
    EXPECT_THAT(namesOf(P::Show), UnorderedElementsAreArray<std::wstring>({L"MenuOverFlow", L"IncludeHidden", L"PosFix",
                                                                           L"OpenShift", L"FolderIcon", L"Order"}));
    EXPECT_THAT(namesOf(P::File),
                UnorderedElementsAreArray<std::wstring>({L"FileNum", L"FileUpside", L"FHistory", L"FTogether"}));
    EXPECT_THAT(namesOf(P::Drive), UnorderedElementsAreArray<std::wstring>({L"Drive", L"DrvOther"}));
    EXPECT_THAT(namesOf(P::FileOpe), UnorderedElementsAreArray<std::wstring>({L"FOPRename", L"FOPAfter"}));
    EXPECT_THAT(namesOf(P::Recent), UnorderedElementsAreArray<std::wstring>({L"RecentSortType", L"ExcFav", L"ExcRC"}));
    EXPECT_THAT(namesOf(P::Favorites), UnorderedElementsAreArray<std::wstring>({L"Favorites", L"FavFName"}));
    EXPECT_THAT(namesOf(P::Filer), UnorderedElementsAreArray<std::wstring>({L"Filer0", L"Filer1", L"Filer2"}));
    EXPECT_EQ(26u, namesOf(P::Ctrl).size());
    EXPECT_THAT(namesOf(P::TTTxt), UnorderedElementsAreArray<std::wstring>(
                                       {L"AsTextExtList", L"TTNumText", L"TabNChar", L"TTFName", L"TTFPoint10"}));
    EXPECT_THAT(namesOf(P::TTOther), UnorderedElementsAreArray<std::wstring>(
                                         {L"TTHeight", L"TTWidth", L"TTFileSize", L"AsMovieExtList", L"TTEdgeCut"}));
    EXPECT_THAT(namesOf(P::Susie), UnorderedElementsAreArray<std::wstring>({L"SusiePluginDir", L"SusiePreview"}));
    EXPECT_THAT(namesOf(P::HotKey), ElementsAreArray<std::wstring>(
                                        {L"HKDrv", L"HKRec", L"HKFav", L"HKLast", L"HKLastMenu", L"HKMyDoc"}));
    EXPECT_TRUE(namesOf(P::Scut).empty()) << "the shortcut page has no settings of its own";
    EXPECT_THAT(namesOf(P::Other),
                UnorderedElementsAreArray<std::wstring>({L"OrgClose", L"ToolTipOn", L"SFolSingle", L"AddContext"}));
    EXPECT_THAT(namesOf(P::Special), ElementsAreArray<std::wstring>({L"QES"}));
    EXPECT_THAT(namesOf(P::None), UnorderedElementsAreArray<std::wstring>(
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

TEST(SettingsTableTest, PagesAreListedInDialogOrder) {
    EXPECT_EQ(L"メニュー起動", settingsPageLabel(SettingPage::Open));
    EXPECT_EQ(L"ドライブメニュー", settingsPageLabel(SettingPage::Drive));
    EXPECT_EQ(L"Ctrl+Key", settingsPageLabel(SettingPage::Ctrl));
    EXPECT_EQ(L"ツールチップ(テキスト)", settingsPageLabel(SettingPage::TTTxt));
    EXPECT_EQ(L"ショートカット作成", settingsPageLabel(SettingPage::Scut));
    EXPECT_EQ(L"特別", settingsPageLabel(SettingPage::Special));
    EXPECT_EQ(15, static_cast<int>(SettingPage::Special));
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

TEST(SettingsTableTest, InstallValuesOfTheTable) {
    struct Expected {
        const wchar_t* name;
        std::uint32_t install;
        std::uint32_t ifAbsent;
    };
    const Expected numbers[] = {
        {L"OpenBottom", 0, 0},    {L"OpenNet", 0, 0},       {L"OpenKey", 123, 123},   {L"OpenPush", 1, 1},
        {L"DrvOther", 1, 0},      {L"MenuOverFlow", 2, 2},  {L"IncludeHidden", 1, 1}, {L"PosFix", 0, 0},
        {L"OpenShift", 1, 1},     {L"FolderIcon", 1, 1},    {L"Order", 0, 0},         {L"FileNum", 500, 500},
        {L"FileUpside", 0, 0},    {L"FHistory", 1, 1},      {L"FTogether", 0, 0},     {L"FOPRename", 1, 1},
        {L"FOPAfter", 2, 2},      {L"RecentSortType", 1, 1}, {L"ExcFav", 0, 0},       {L"ExcRC", 0, 0},
        {L"Favorites", 0, 0},     {L"FavFName", 1, 1},      {L"TTNumText", 10, 10},   {L"TabNChar", 4, 8},
        {L"TTFPoint10", 100, 100}, {L"TTHeight", 500, 500}, {L"TTWidth", 500, 500},   {L"TTFileSize", 10, 10},
        {L"TTEdgeCut", 1, 1},     {L"SusiePreview", 1, 1},  {L"HKDrv", 0x644, 0x644}, {L"HKRec", 0x652, 0x652},
        {L"HKFav", 0x646, 0x646}, {L"HKLast", 0x64C, 0x64C}, {L"HKLastMenu", 0x65A, 0x65A},
        {L"HKMyDoc", 0x64D, 0x64D}, {L"OrgClose", 1, 1},    {L"ToolTipOn", 1, 1},     {L"SFolSingle", 1, 1},
        {L"AddContext", 1, 1},    {L"QES", 0, 0},
    };
    for (const Expected& e : numbers) {
        SCOPED_TRACE(narrow(e.name));
        const SettingDef& d = def(e.name);
        EXPECT_NE(SettingKind::Text, d.kind);
        EXPECT_EQ(e.install, d.install.number);
        EXPECT_EQ(e.ifAbsent, d.ifAbsent.number);
        EXPECT_EQ(ComputedDefault::None, d.ifAbsent.computed);
    }
    EXPECT_EQ(2u, def(L"StartType").install.number);
    EXPECT_EQ(ComputedDefault::StartTypeFromShell, def(L"StartType").ifAbsent.computed);
    EXPECT_EQ(L"all", def(L"Drive").install.text);
    EXPECT_EQ(ComputedDefault::PresentDrives, def(L"Drive").ifAbsent.computed);
    EXPECT_EQ(ComputedDefault::WorkingFolder, def(L"SusiePluginDir").install.computed);
    EXPECT_EQ(ComputedDefault::WorkingFolder, def(L"SusiePluginDir").ifAbsent.computed);
    EXPECT_EQ(L"txt;cpp;h;", def(L"AsTextExtList").install.text);
    EXPECT_EQ(L"aif;avi;cda;mid;mp3;mpg;rmi;wav;", def(L"AsMovieExtList").install.text);
    EXPECT_EQ(L"ＭＳ ゴシック", def(L"TTFName").install.text);
    for (const wchar_t* filer : {L"Filer0", L"Filer1", L"Filer2"}) {
        EXPECT_EQ(SettingKind::Text, def(filer).kind);
        EXPECT_TRUE(def(filer).install.text.empty());
    }
}

TEST(SettingsTableTest, AllTwentySixCtrlBindingsWithTheirInstallLetters) {
    const std::map<wchar_t, std::wstring> bound = {
        {L'A', L"up"},         {L'C', L"copy"},       {L'D', L"delete"}, {L'F', L"fileop"},   {L'K', L"command"},
        {L'M', L"rename"},     {L'N', L"cliptoname"}, {L'O', L"selectopen"}, {L'P', L"print"}, {L'Q', L"startopen"},
        {L'R', L"property"},   {L'S', L"shortcut"},   {L'V', L"paste"},  {L'X', L"cut"},      {L'Z', L"undo"},
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
    const SettingDef& start = def(L"StartType");
    ASSERT_EQ(3u, start.choices.size());
    EXPECT_EQ(L"PVNMain.exe の直接起動のみ", start.choices[0].label);
    EXPECT_EQ(L"ドライブ・フォルダの右クリック後[Parvane(A)]選択", start.choices[1].label);
    EXPECT_EQ(L"ドライブ・フォルダの(ダブル)クリック", start.choices[2].label);

    const SettingDef& key = def(L"OpenKey");
    ASSERT_EQ(4u, key.choices.size());
    EXPECT_EQ(L"設定せず", key.choice(0)->label);
    EXPECT_EQ(L"Shift", key.choice(16)->label);
    EXPECT_EQ(L"Ctrl", key.choice(17)->label);
    EXPECT_EQ(L"F12", key.choice(123)->label);
    EXPECT_EQ(nullptr, key.choice(1));

    EXPECT_EQ(L"more メニューを出す", def(L"MenuOverFlow").choice(2)->label);
    EXPECT_EQ(L"拡張子順", def(L"Order").choice(2)->label);
    EXPECT_EQ(L"フォルダ名でソート", def(L"RecentSortType").choice(1)->label);
    for (std::uint32_t i = 0; i < 3; ++i)
        EXPECT_EQ(def(L"FOPRename").choice(i)->label, def(L"FOPAfter").choice(i)->label);
    EXPECT_EQ(L"メッセージボックスを出す", def(L"FOPRename").choice(1)->label);

    EXPECT_EQ(L"Drive List", def(L"HKDrv").label);
    EXPECT_EQ(L"さっき開いたフォルダ", def(L"HKLast").label);
    EXPECT_EQ(L"My Documents", def(L"HKMyDoc").label);
    EXPECT_EQ(L"押していた場合", def(L"OpenPush").label);
    EXPECT_EQ(L"押していない場合", def(L"OpenPush").offLabel);
    EXPECT_EQ(L"サブメニューのフォルダをダブルクリックで開ける", def(L"SFolSingle").offLabel);
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
