#include "common/Settings_win.h"

#include "common/SettingsKey.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace pvn {
namespace {

struct RawValue {
    std::wstring name;
    DWORD type = 0;
    std::vector<BYTE> data;
};

// Values of the real settings key as they were before the test (the key has no sub-keys).
std::optional<std::vector<RawValue>> backUpSettingsKey() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ | registryViewFlag(), &key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey owner(key);
    std::vector<RawValue> values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD chars = 16384, type = 0, bytes = 0;
        if (RegEnumValueW(key, i, name, &chars, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
            break;
        RawValue v{std::wstring(name, chars), type, std::vector<BYTE>(bytes)};
        if (RegQueryValueExW(key, v.name.c_str(), nullptr, &v.type, v.data.data(), &bytes) == ERROR_SUCCESS) {
            v.data.resize(bytes);
            values.push_back(std::move(v));
        }
    }
    return values;
}

bool keyExists(HKEY root, const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ | registryViewFlag(), &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void deleteSettingsKey() {
    RegKey vendor(HKEY_CURRENT_USER, L"Software\\Morrick", KEY_ALL_ACCESS);
    vendor.deleteSubKey(L"Parvane");
}

class SettingsWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_vendorExisted = keyExists(HKEY_CURRENT_USER, L"Software\\Morrick");
        m_backup = backUpSettingsKey();
        deleteSettingsKey();
        ASSERT_FALSE(keyExists(HKEY_CURRENT_USER, kSettingsKey));
        m_computed.startType = 2;
        m_computed.presentDrives = L"cz";
        m_computed.programFolder = L"C:\\windows\\temp";
    }

    void TearDown() override {
        deleteSettingsKey();
        if (m_backup) {
            RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true);
            for (const RawValue& v : *m_backup)
                RegSetValueExW(key.get(), v.name.c_str(), 0, v.type, v.data.data(),
                               static_cast<DWORD>(v.data.size()));
        } else if (!m_vendorExisted) {
            RegKey software(HKEY_CURRENT_USER, L"Software", KEY_ALL_ACCESS);
            software.deleteSubKey(L"Morrick");
        }
    }

    // A value written behind the library's back, of any type.
    static void writeRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true);
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), bytes));
    }
    static void writeRawDword(const wchar_t* name, DWORD value) {
        writeRaw(name, REG_DWORD, &value, sizeof value);
    }
    static void writeRawText(const wchar_t* name, const std::wstring& text) {
        writeRaw(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    static std::optional<DWORD> rawDword(const wchar_t* name) {
        RegKey key = openSettingsForReading();
        DWORD v = 0;
        if (!key.readDword(name, v))
            return std::nullopt;
        return v;
    }

    std::optional<std::vector<RawValue>> m_backup;
    bool m_vendorExisted = false;
    ComputedDefaults m_computed;
};

std::size_t pageValueCount() {
    std::size_t n = 0;
    for (const SettingDef& d : settingsTable())
        n += d.keptByPrograms() ? 0 : 1;
    return n;
}

TEST_F(SettingsWinTest, TheKeyOpensForReadingOnlyWhenItExistsAndIsCreatedOnlyWhenAsked) {
    EXPECT_FALSE(openSettingsForReading().isOpen());
    EXPECT_FALSE(openSettingsForWriting().isOpen());
    EXPECT_TRUE(openSettingsForWriting(true).isOpen());
    RegKey reading = openSettingsForReading();
    ASSERT_TRUE(reading.isOpen());
    EXPECT_FALSE(reading.writeDword(L"QES", 1)) << "opened with KEY_QUERY_VALUE only";
}

TEST_F(SettingsWinTest, TheWholeTableRoundTripsThroughTheRegistry) {
    SettingsValues written;
    written.resetToInstall(m_computed);
    written.setText(L"TTFName", L"ＭＳ 明朝");
    written.setText(L"Filer1", L"\"C:\\Program Files\\ファイラ\\f.exe\" /e \"%l\"");
    written.setText(L"CtrlE", L"");
    written.setNumber(L"HKFav", 0);
    written.setNumber(L"TTWidth", 2000);
    written.setText(L"Drive", L"zca");
    ASSERT_TRUE(saveSettings(written, true));

    RegKey key = openSettingsForReading();
    ASSERT_TRUE(key.isOpen());
    auto counts = key.queryCounts();
    ASSERT_TRUE(counts);
    EXPECT_EQ(pageValueCount(), counts->values) << "the key holds the complete table and nothing else";
    for (DWORD i = 0; i < counts->values; ++i) {
        auto info = key.enumValue(i);
        ASSERT_TRUE(info);
        const SettingDef* def = findSetting(info->name);
        ASSERT_NE(nullptr, def);
        EXPECT_EQ(def->kind == SettingKind::Text ? DWORD{REG_SZ} : DWORD{REG_DWORD}, info->type);
    }
    DWORD type = 0, bytes = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key.get(), L"TTFName", nullptr, &type, nullptr, &bytes));
    EXPECT_EQ(2u * 5u + 2u, bytes) << "texts are written with their NUL";

    SettingsValues read;
    EXPECT_EQ(static_cast<int>(pageValueCount()), readSettings(key, read));
    EXPECT_EQ(written, read);
}

TEST_F(SettingsWinTest, WritingWithoutAValueReportsIt) {
    SettingsValues partial;
    partial.resetToInstall(m_computed);
    partial.erase(L"HKMyDoc");
    EXPECT_FALSE(saveSettings(partial, true));
    EXPECT_EQ(std::optional<DWORD>(0x644), rawDword(L"HKDrv")) << "the other values are still written";
    EXPECT_EQ(std::nullopt, rawDword(L"HKMyDoc"));
}

TEST_F(SettingsWinTest, ValuesOfAnotherTypeLeaveTheTargetUnchanged) {
    writeRawText(L"TabNChar", L"4");
    writeRawDword(L"TTFName", 7);
    const BYTE binary[] = {1, 0, 0, 0};
    writeRaw(L"QES", REG_BINARY, binary, sizeof binary);
    const wchar_t expandable[] = L"%TEMP%";
    writeRaw(L"SusiePluginDir", REG_EXPAND_SZ, expandable, sizeof expandable);
    writeRawDword(L"FileNum", 42);

    RegKey key = openSettingsForReading();
    SettingsValues values = SettingsValues::forSettingsProgram({}, m_computed, lowerCaseText);
    SettingsValues before = values;
    EXPECT_EQ(1, readSettings(key, values)) << "only FileNum has the right type";
    before.setNumber(L"FileNum", 42);
    EXPECT_EQ(before, values);
}

TEST_F(SettingsWinTest, TextReadAsANumberKeepsTheDefault) {
    writeRawText(L"TTNumText", L"20");
    writeRawText(L"OrgClose", L"0");
    RegKey key = openSettingsForReading();
    DWORD lines = 10;
    bool closeOriginal = true;
    const SettingVariable vars[] = {{SettingId::TTNumText, &lines}, {SettingId::OrgClose, &closeOriginal}};
    EXPECT_EQ(0, readSettingVariables(key, vars));
    EXPECT_EQ(10u, lines);
    EXPECT_TRUE(closeOriginal);
}

TEST_F(SettingsWinTest, AProgramReadsItsOwnSubsetIntoItsVariables) {
    writeRawDword(L"FolderIcon", 5);
    writeRawDword(L"MenuOverFlow", 1);
    writeRawText(L"TTFName", L"IPAGothic");
    writeRawText(L"Filer0", L"C:\\f.exe %l");
    writeRawDword(L"MenuSepHeight", 9);

    RegKey key = openSettingsForReading();
    bool folderIcon = false;
    DWORD overflow = 2, separator = 0, missing = 77;
    std::wstring face = L"ＭＳ ゴシック", filer, wrongKind = L"keep";
    bool notAFlag = false;
    const SettingVariable vars[] = {
        {SettingId::FolderIcon, &folderIcon},
        {SettingId::MenuOverFlow, &overflow},
        {SettingId::TTFName, &face},
        {SettingId::Filer0, &filer},
        {SettingId::MenuSepHeight, &separator},
        {SettingId::TTHeight, &missing},
        {SettingId::FolderIcon, &wrongKind},
        {SettingId::MenuOverFlow, &notAFlag},
    };
    EXPECT_EQ(5, readSettingVariables(key, vars));
    EXPECT_TRUE(folderIcon) << "any non-zero flag is on";
    EXPECT_EQ(1u, overflow);
    EXPECT_EQ(L"IPAGothic", face);
    EXPECT_EQ(L"C:\\f.exe %l", filer);
    EXPECT_EQ(9u, separator);
    EXPECT_EQ(77u, missing);
    EXPECT_EQ(L"keep", wrongKind);
    EXPECT_FALSE(notAFlag);
}

TEST_F(SettingsWinTest, AFaceNameOf32CharactersIsIgnoredByReaders) {
    writeRawText(L"TTFName", std::wstring(32, L'ゴ'));
    RegKey key = openSettingsForReading();
    std::wstring face = L"ＭＳ ゴシック";
    const SettingVariable vars[] = {{SettingId::TTFName, &face}};
    EXPECT_EQ(0, readSettingVariables(key, vars));
    EXPECT_EQ(L"ＭＳ ゴシック", face);

    SettingsValues values;
    values.setText(L"TTFName", L"IPAGothic");
    EXPECT_FALSE(readSetting(key, *findSetting(L"TTFName"), values));
    EXPECT_EQ(std::optional<std::wstring>(L"IPAGothic"), values.text(L"TTFName"));
}

TEST_F(SettingsWinTest, AFlagStoredAsFiveIsWrittenBackAsOne) {
    writeRawDword(L"QES", 5);
    writeRawText(L"AsTextExtList", L"TXT;Log;ＭＤ;tail");
    writeRawText(L"Drive", L"DC");
    SettingsValues stored;
    readSettings(openSettingsForReading(), stored);
    EXPECT_EQ(std::optional<bool>(true), stored.flag(L"QES"));
    ASSERT_TRUE(saveSettings(SettingsValues::forSettingsProgram(stored, m_computed, lowerCaseText), false));
    EXPECT_EQ(std::optional<DWORD>(1), rawDword(L"QES"));
    SettingsValues after;
    readSettings(openSettingsForReading(), after);
    EXPECT_EQ(std::optional<std::wstring>(L"txt;log;ｍｄ;"), after.text(L"AsTextExtList"));
    EXPECT_EQ(std::optional<std::wstring>(L"dc"), after.text(L"Drive"));
}

TEST_F(SettingsWinTest, InstallationMergesWithWhatAnEarlierOneLeft) {
    {
        RegKey key = openSettingsForReading();
        EXPECT_TRUE(isFirstInstallation(key)) << "no key at all";
        SettingsValues stored;
        readSettings(key, stored);
        ASSERT_TRUE(saveSettings(
            SettingsValues::forInstallation(isFirstInstallation(key), stored, m_computed, lowerCaseText),
            true));
    }
    EXPECT_EQ(std::optional<DWORD>(4), rawDword(L"TabNChar"));

    // The user changes a page, a newer version drops a value, and the tray has run.
    writeRawDword(L"FileNum", 50);
    writeRawDword(L"StartType", 1);
    {
        RegKey key = openSettingsForWriting();
        ASSERT_TRUE(key.deleteValue(L"TabNChar"));
    }
    writeRawDword(L"PVNTrayHandle", 0x20062);

    RegKey key = openSettingsForReading();
    EXPECT_FALSE(isFirstInstallation(key));
    SettingsValues stored;
    readSettings(key, stored);
    key.close();
    ASSERT_TRUE(
        saveSettings(SettingsValues::forInstallation(false, stored, m_computed, lowerCaseText), true));
    EXPECT_EQ(std::optional<DWORD>(50), rawDword(L"FileNum"));
    EXPECT_EQ(std::optional<DWORD>(8), rawDword(L"TabNChar")) << "missing takes its If-absent value";
    EXPECT_EQ(std::optional<DWORD>(2), rawDword(L"StartType")) << "the verbs were registered for 2";
    EXPECT_EQ(std::optional<DWORD>(0x20062), rawDword(L"PVNTrayHandle"))
        << "the tray's value is not the pages'";
}

TEST(SettingsLowerCaseTest, UsesTheSystemsLowerCasing) {
    EXPECT_EQ(L"avi;ｍｐ３;ä", lowerCaseText(L"AVI;ＭＰ３;Ä"));
    EXPECT_EQ(L"", lowerCaseText(L""));
}

} // namespace
} // namespace pvn
