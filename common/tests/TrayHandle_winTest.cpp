#include "common/TrayHandle_win.h"
#include "common/RegKey_win.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pvn {
namespace {

const wchar_t kTestKey[] = L"Software\\Morrick\\ParvaneTrayHandleTest";

class TrayHandleTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(key.open(HKEY_CURRENT_USER, kTestKey, KEY_ALL_ACCESS, true)); }
    void TearDown() override {
        key.close();
        RegKey parent(HKEY_CURRENT_USER, L"Software\\Morrick", KEY_ALL_ACCESS);
        parent.deleteSubKey(L"ParvaneTrayHandleTest");
    }
    RegKey key;
};

TEST_F(TrayHandleTest, RealWindowSurvivesTheRoundTrip) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    EXPECT_TRUE(writeTrayHandle(key, window));
    DWORD stored = 0;
    EXPECT_TRUE(key.readDword(L"PVNTrayHandle", stored)) << "stored as REG_DWORD";
    EXPECT_EQ(window, readTrayHandle(key));
    DestroyWindow(window);
}

TEST_F(TrayHandleTest, HighBitIsSignExtendedAsWindowsDoesForHandles) {
    ASSERT_TRUE(key.writeDword(L"PVNTrayHandle", 0x80001234u));
    auto handle = readTrayHandle(key);
    ASSERT_TRUE(handle);
    EXPECT_EQ(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80001234u)),
              reinterpret_cast<std::intptr_t>(*handle));
    EXPECT_EQ(0x80001234u, trayHandleToDword(*handle)) << "and truncated back to the same number";
    ASSERT_TRUE(key.writeDword(L"PVNTrayHandle", 0x00012345u));
    EXPECT_EQ(reinterpret_cast<HWND>(std::intptr_t{0x12345}), readTrayHandle(key));
}

TEST_F(TrayHandleTest, MissingOrMistypedValueIsNoHandle) {
    EXPECT_FALSE(readTrayHandle(key));
    ASSERT_TRUE(key.writeString(L"PVNTrayHandle", L"1234"));
    EXPECT_FALSE(readTrayHandle(key));
    EXPECT_FALSE(readTrayHandle(RegKey())) << "a key that did not open";
}

} // namespace
} // namespace pvn
