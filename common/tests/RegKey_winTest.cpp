#include "common/RegKey_win.h"

#include <gtest/gtest.h>

namespace pvn {
namespace {

const wchar_t kTestKey[] = L"Software\\Morrick\\ParvaneRegKeyTest";

class RegKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(key.open(HKEY_CURRENT_USER, kTestKey, KEY_ALL_ACCESS, true));
    }
    void TearDown() override {
        key.close();
        RegKey parent(HKEY_CURRENT_USER, L"Software\\Morrick", KEY_ALL_ACCESS);
        parent.deleteSubKey(L"ParvaneRegKeyTest");
        parent.close();
        // Only succeeds when nothing else lives under it.
        RegKey software(HKEY_CURRENT_USER, L"Software", KEY_ALL_ACCESS);
        software.deleteSubKey(L"Morrick");
    }
    RegKey key;
};

TEST_F(RegKeyTest, TypedReadsLeaveTheTargetOfAnotherTypeOrAMissingValueUnchanged) {
    ASSERT_TRUE(key.writeString(L"Text", L"12"));
    ASSERT_TRUE(key.writeDword(L"Number", 7));
    DWORD number = 99;
    EXPECT_FALSE(key.readDword(L"Text", number));
    EXPECT_EQ(99u, number);
    EXPECT_FALSE(key.readDword(L"Missing", number));
    EXPECT_EQ(99u, number);
    std::wstring text = L"keep";
    EXPECT_FALSE(key.readString(L"Number", text));
    EXPECT_EQ(L"keep", text);
    EXPECT_TRUE(key.readDword(L"Number", number));
    EXPECT_EQ(7u, number);
    EXPECT_TRUE(key.readString(L"Text", text));
    EXPECT_EQ(L"12", text);
}

TEST_F(RegKeyTest, AnyNonZeroDwordReadsAsOn) {
    key.writeDword(L"Flag", 5);
    bool on = false;
    EXPECT_TRUE(key.readBool(L"Flag", on));
    EXPECT_TRUE(on);
    key.writeDword(L"Flag", 0);
    EXPECT_TRUE(key.readBool(L"Flag", on));
    EXPECT_FALSE(on);
}

TEST_F(RegKeyTest, TextIsStoredWithItsNul) {
    ASSERT_TRUE(key.writeString(L"Text", L"abc"));
    DWORD type = 0, size = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key.get(), L"Text", nullptr, &type, nullptr, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(8u, size);
}

TEST_F(RegKeyTest, ExpandableTextCountsOnlyWhenAskedFor) {
    const wchar_t data[] = L"%TEMP%";
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key.get(), L"Exp", 0, REG_EXPAND_SZ,
                                            reinterpret_cast<const BYTE*>(data), sizeof data));
    std::wstring text = L"keep";
    EXPECT_FALSE(key.readString(L"Exp", text));
    EXPECT_EQ(L"keep", text);
    EXPECT_TRUE(key.readString(L"Exp", text, true));
    EXPECT_EQ(L"%TEMP%", text) << "nothing is expanded";
}

TEST_F(RegKeyTest, TextWithoutNulIsReadWhole) {
    const wchar_t data[] = {L'a', L'b'};
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExW(key.get(), L"Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(data), sizeof data));
    std::wstring text;
    EXPECT_TRUE(key.readString(L"Raw", text));
    EXPECT_EQ(L"ab", text);
}

TEST_F(RegKeyTest, SettingsProgramOperations) {
    key.writeDword(L"One", 1);
    key.writeString(L"Two", L"2");
    RegKey sub(key.get(), L"Sub", KEY_ALL_ACCESS, true);
    ASSERT_TRUE(sub.isOpen());
    sub.close();
    auto counts = key.queryCounts();
    ASSERT_TRUE(counts);
    EXPECT_EQ(1u, counts->subKeys);
    EXPECT_EQ(2u, counts->values);
    EXPECT_EQ(3u, counts->longestValueName);
    auto first = key.enumValue(0);
    ASSERT_TRUE(first);
    EXPECT_FALSE(key.enumValue(2));
    EXPECT_TRUE(key.deleteValue(L"One"));
    EXPECT_FALSE(key.deleteValue(L"One"));
    EXPECT_TRUE(key.deleteSubKey(L"Sub"));
    EXPECT_EQ(0u, key.queryCounts()->subKeys);
    EXPECT_TRUE(key.flush());
}

TEST(RegistryViewTest, SixtyFourBitProcessUsesTheSixtyFourBitView) {
    EXPECT_EQ(static_cast<REGSAM>(sizeof(void*) == 8 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY),
              registryViewFlag() & (KEY_WOW64_64KEY | KEY_WOW64_32KEY));
}

} // namespace
} // namespace pvn
