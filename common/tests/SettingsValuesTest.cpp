#include "common/SettingsValues.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

ComputedDefaults computed() {
    ComputedDefaults c;
    c.startType = 1;
    c.presentDrives = L"cdz";
    c.programFolder = L"C:\\Tools\\PVN";
    return c;
}

std::size_t pageValueCount() {
    std::size_t n = 0;
    for (const SettingDef& d : settingsTable())
        n += d.keptByPrograms() ? 0 : 1;
    return n;
}

// Lower-cases full-width Latin capitals too, to tell whether the caller's function is the one used.
std::wstring wideLower(std::wstring_view text) {
    std::wstring out = asciiLowerCase(text);
    for (wchar_t& c : out)
        if (c >= L'Ａ' && c <= L'Ｚ')
            c = static_cast<wchar_t>(c - L'Ａ' + L'ａ');
    return out;
}

TEST(SettingsValuesTest, OnlyNamesOfTheTableWithValuesOfTheirKind) {
    SettingsValues v;
    EXPECT_FALSE(v.setNumber(L"NoSuchValue", 1));
    EXPECT_FALSE(v.setText(L"TabNChar", L"4")) << "a number is not a text";
    EXPECT_FALSE(v.setNumber(L"TTFName", 4));
    EXPECT_EQ(0u, v.size());
    EXPECT_TRUE(v.setNumber(L"tabnchar", 2));
    EXPECT_EQ(std::optional<std::uint32_t>(2), v.number(L"TabNChar"))
        << "names ignore case, as the registry does";
    EXPECT_EQ(std::nullopt, v.text(L"TabNChar"));
    EXPECT_TRUE(v.setFlag(L"QES", true));
    EXPECT_EQ(std::optional<std::uint32_t>(1), v.number(L"QES"));
    v.erase(L"QES");
    EXPECT_FALSE(v.has(L"QES"));
    EXPECT_EQ(std::nullopt, v.flag(L"QES"));
}

TEST(SettingsValuesTest, ResetToInstallRestoresEveryPageValueAndLeavesKeptOnes) {
    SettingsValues v;
    v.setNumber(L"TabNChar", 8);
    v.setText(L"CtrlP", L"notepad.exe");
    v.setNumber(L"CurPage", 7);
    v.resetToInstall(computed());
    EXPECT_EQ(pageValueCount() + 1, v.size());
    EXPECT_EQ(std::optional<std::uint32_t>(4), v.number(L"TabNChar"));
    EXPECT_EQ(std::optional<std::wstring>(L"print"), v.text(L"CtrlP"));
    EXPECT_EQ(std::optional<std::uint32_t>(7), v.number(L"CurPage"));
    EXPECT_EQ(std::optional<std::uint32_t>(2), v.number(L"StartType")) << "Install is 2, not the derived one";
    EXPECT_EQ(std::optional<std::wstring>(L"all"), v.text(L"Drive"));
    EXPECT_EQ(std::optional<std::uint32_t>(1), v.number(L"DrvOther"));
    EXPECT_EQ(std::optional<std::wstring>(L"C:\\Tools\\PVN"), v.text(L"SusiePluginDir"));
    EXPECT_EQ(std::optional<std::uint32_t>(0x65A), v.number(L"HKLastMenu"));
    EXPECT_FALSE(v.has(L"PVNTrayHandle"));
}

TEST(SettingsValuesTest, AnEmptyKeyShowsTheIfAbsentValues) {
    SettingsValues shown = SettingsValues::forSettingsProgram({}, computed(), asciiLowerCase);
    EXPECT_EQ(pageValueCount(), shown.size());
    EXPECT_EQ(std::optional<std::uint32_t>(8), shown.number(L"TabNChar"));
    EXPECT_EQ(std::optional<std::uint32_t>(0), shown.number(L"DrvOther"));
    EXPECT_EQ(std::optional<std::wstring>(L"cdz"), shown.text(L"Drive"));
    EXPECT_EQ(std::optional<std::uint32_t>(1), shown.number(L"StartType"));
    EXPECT_EQ(std::optional<std::wstring>(L"C:\\Tools\\PVN"), shown.text(L"SusiePluginDir"));
    EXPECT_EQ(std::optional<std::wstring>(L"undo"), shown.text(L"CtrlZ"));

    // After "インストール時の設定" and OK the key holds 4, although it showed 8.
    SettingsValues afterReset = shown;
    afterReset.resetToInstall(computed());
    EXPECT_EQ(std::optional<std::uint32_t>(4), afterReset.number(L"TabNChar"));
}

TEST(SettingsValuesTest, FillMissingKeepsWhatIsThere) {
    SettingsValues v;
    v.setNumber(L"TabNChar", 2);
    v.setText(L"Drive", L"");
    v.fillMissing(computed());
    EXPECT_EQ(std::optional<std::uint32_t>(2), v.number(L"TabNChar"));
    EXPECT_EQ(std::optional<std::wstring>(L""), v.text(L"Drive"))
        << "an empty stored value is not a missing one";
    EXPECT_EQ(std::optional<std::uint32_t>(500), v.number(L"FileNum"));
}

TEST(SettingsValuesTest, AFaceNameOf32OrMoreCharactersKeepsThePreviousFace) {
    const SettingDef& face = *findSetting(L"TTFName");
    SettingsValues v;
    v.setText(L"TTFName", L"IPAGothic");
    EXPECT_FALSE(v.acceptRead(face, std::wstring(32, L'x')));
    EXPECT_EQ(std::optional<std::wstring>(L"IPAGothic"), v.text(L"TTFName"));
    EXPECT_TRUE(v.acceptRead(face, std::wstring(31, L'x')));
    EXPECT_EQ(std::optional<std::wstring>(std::wstring(31, L'x')), v.text(L"TTFName"));
    EXPECT_FALSE(v.acceptRead(face, std::uint32_t{5})) << "a value of another type is ignored";

    SettingsValues stored;
    stored.setText(L"TTFName", std::wstring(40, L'ｱ'));
    SettingsValues shown = SettingsValues::forSettingsProgram(stored, computed(), asciiLowerCase);
    EXPECT_EQ(std::optional<std::wstring>(L"ＭＳ ゴシック"), shown.text(L"TTFName"));
}

TEST(SettingsValuesTest, AFlagOtherThanZeroOrOneReadsOnAndIsWrittenAsOne) {
    SettingsValues stored;
    stored.setNumber(L"IncludeHidden", 5);
    stored.setNumber(L"PosFix", 0);
    EXPECT_EQ(std::optional<bool>(true), stored.flag(L"IncludeHidden"));
    SettingsValues shown = SettingsValues::forSettingsProgram(stored, computed(), asciiLowerCase);
    EXPECT_EQ(std::optional<std::uint32_t>(1), shown.number(L"IncludeHidden"));
    EXPECT_EQ(std::optional<std::uint32_t>(0), shown.number(L"PosFix"));
}

TEST(SettingsValuesTest, StoredNumbersOutsideTheirChoicesOrRange) {
    SettingsValues v;
    v.setNumber(L"TabNChar", 3);
    v.setNumber(L"OpenKey", 65);
    v.setNumber(L"MenuOverFlow", 0xFFFFFFFFu);
    v.setNumber(L"TTHeight", 5000);
    v.setNumber(L"HKDrv", 0x0);
    v.normalize(asciiLowerCase);
    EXPECT_EQ(std::optional<std::uint32_t>(8), v.number(L"TabNChar"));
    EXPECT_EQ(std::optional<std::uint32_t>(0), v.number(L"OpenKey"));
    EXPECT_EQ(std::optional<std::uint32_t>(2), v.number(L"MenuOverFlow"));
    EXPECT_EQ(std::optional<std::uint32_t>(2000), v.number(L"TTHeight"));
    EXPECT_EQ(std::optional<std::uint32_t>(0), v.number(L"HKDrv")) << "0 is no hot key";
}

TEST(SettingsValuesTest, DriveAllForcesDrvOther) {
    SettingsValues v;
    v.setText(L"Drive", L"ALL");
    v.setNumber(L"DrvOther", 0);
    v.normalize(asciiLowerCase);
    EXPECT_EQ(std::optional<std::wstring>(L"all"), v.text(L"Drive"));
    EXPECT_EQ(std::optional<std::uint32_t>(1), v.number(L"DrvOther"));

    SettingsValues letters;
    letters.setText(L"Drive", L"DCa");
    letters.setNumber(L"DrvOther", 0);
    letters.normalize(asciiLowerCase);
    EXPECT_EQ(std::optional<std::wstring>(L"dca"), letters.text(L"Drive")) << "menu order, not letter order";
    EXPECT_EQ(std::optional<std::uint32_t>(0), letters.number(L"DrvOther"));
}

TEST(SettingsValuesTest, DriveLettersAreCleaned) {
    EXPECT_EQ(L"cabz", normalizeDriveLetters(L"CAbA1z", asciiLowerCase));
    EXPECT_EQ(L"", normalizeDriveLetters(L"", asciiLowerCase));
    EXPECT_EQ(L"", normalizeDriveLetters(L"1:\\", asciiLowerCase));
    EXPECT_EQ(L"all", normalizeDriveLetters(L"All", asciiLowerCase));
    EXPECT_EQ(L"alx", normalizeDriveLetters(L"allx", asciiLowerCase))
        << "only the whole word means every drive";
    std::wstring twice = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    EXPECT_EQ(26u, normalizeDriveLetters(twice, asciiLowerCase).size());
}

TEST(SettingsValuesTest, ExtensionListsAreCleaned) {
    EXPECT_EQ(L"txt;cpp;h;", normalizeExtensionList(L"TXT;cpp;;h;junk", asciiLowerCase))
        << "text after the last ';' is dropped, empty items too";
    EXPECT_EQ(L"txt;", normalizeExtensionList(L"txt;TXT;Txt;", asciiLowerCase));
    EXPECT_EQ(L"", normalizeExtensionList(L"txt", asciiLowerCase));
    EXPECT_EQ(L"", normalizeExtensionList(L"", asciiLowerCase));
    EXPECT_EQ(L"ｔｘｔ;", normalizeExtensionList(L"ＴＸＴ;", wideLower))
        << "the caller's lower-casing is used";
    std::wstring longest(259, L'e');
    std::wstring tooLong(260, L'f');
    EXPECT_EQ(longest + L";mp3;",
              normalizeExtensionList(longest + L";" + tooLong + L";MP3;", asciiLowerCase));

    SettingsValues v;
    v.setText(L"AsMovieExtList", L"AVI;wav");
    v.setText(L"Filer0", L"C:\\FILER.EXE \"%l\"");
    v.normalize(asciiLowerCase);
    EXPECT_EQ(std::optional<std::wstring>(L"avi;"), v.text(L"AsMovieExtList"));
    EXPECT_EQ(std::optional<std::wstring>(L"C:\\FILER.EXE \"%l\""), v.text(L"Filer0"))
        << "command lines untouched";
}

TEST(SettingsValuesTest, FirstInstallationWritesInstallValues) {
    SettingsValues stored;
    stored.setNumber(L"TabNChar", 2);
    stored.setText(L"CtrlA", L"cmd.exe");
    SettingsValues written = SettingsValues::forInstallation(true, stored, computed(), asciiLowerCase);
    EXPECT_EQ(pageValueCount(), written.size());
    EXPECT_EQ(std::optional<std::uint32_t>(4), written.number(L"TabNChar"));
    EXPECT_EQ(std::optional<std::wstring>(L"up"), written.text(L"CtrlA"));
    EXPECT_EQ(std::optional<std::wstring>(L"all"), written.text(L"Drive"));
    EXPECT_EQ(std::optional<std::uint32_t>(2), written.number(L"StartType"));
}

TEST(SettingsValuesTest, LaterInstallationKeepsCurrentValuesAndFillsTheMissing) {
    SettingsValues stored;
    stored.setNumber(L"FileNum", 50);
    stored.setText(L"CtrlA", L"cmd.exe");
    stored.setNumber(L"StartType", 0);
    stored.setNumber(L"PVNTrayHandle", 0x10010);
    stored.setText(L"Version", L"Ver.3.12");
    ComputedDefaults c = computed();
    c.startType = 2; // installation registers the verbs for start type 2 before it saves
    SettingsValues written = SettingsValues::forInstallation(false, stored, c, asciiLowerCase);
    EXPECT_EQ(pageValueCount(), written.size()) << "the programs' own values are not the pages' to write";
    EXPECT_EQ(std::optional<std::uint32_t>(50), written.number(L"FileNum"));
    EXPECT_EQ(std::optional<std::wstring>(L"cmd.exe"), written.text(L"CtrlA"));
    EXPECT_EQ(std::optional<std::uint32_t>(2), written.number(L"StartType"));
    EXPECT_EQ(std::optional<std::uint32_t>(8), written.number(L"TabNChar"));
    EXPECT_EQ(std::optional<std::uint32_t>(0), written.number(L"DrvOther"));
    EXPECT_EQ(std::optional<std::wstring>(L"cdz"), written.text(L"Drive"));
    EXPECT_FALSE(written.has(L"PVNTrayHandle"));
}

} // namespace
} // namespace pvn
