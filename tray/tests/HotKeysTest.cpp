#include "tray/HotKeys.h"

#include <gtest/gtest.h>

#include <set>

namespace pvn {
namespace {

TEST(HotKeysTest, ControlValueBecomesRegistration) {
    EXPECT_EQ((HotKeyCombination{kHotKeyControl | kHotKeyAlt, 0x44}), hotKeyFromSetting(0x644));
    EXPECT_EQ((HotKeyCombination{kHotKeyShift, 0x70}), hotKeyFromSetting(0x170));
    EXPECT_EQ((HotKeyCombination{kHotKeyShift | kHotKeyControl | kHotKeyAlt, 0x5A}), hotKeyFromSetting(0x75A));
    EXPECT_EQ((HotKeyCombination{0, 0x7B}), hotKeyFromSetting(0x7B));
}

TEST(HotKeysTest, ExtendedFlagAndHighBitsAreDropped) {
    EXPECT_EQ(hotKeyFromSetting(0x644), hotKeyFromSetting(0xE44));
    EXPECT_EQ(hotKeyFromSetting(0x644), hotKeyFromSetting(0xFFFF0644u));
}

TEST(HotKeysTest, NoKeyWhenLowWordIsZero) {
    EXPECT_FALSE(hotKeyFromSetting(0));
    EXPECT_FALSE(hotKeyFromSetting(0x10000));
    EXPECT_TRUE(hotKeyFromSetting(0x600)) << "modifiers alone still count as set";
}

TEST(HotKeysTest, SlotsAreTheSixSettingsInIdOrder) {
    std::set<std::wstring> names;
    for (std::size_t i = 0; i < kHotKeySlots.size(); ++i) {
        EXPECT_EQ(static_cast<int>(i) + 1, kHotKeySlots[i].id);
        EXPECT_EQ(static_cast<int>(kHotKeySlots[i].action), kHotKeySlots[i].id);
        names.insert(settingName(kHotKeySlots[i].setting));
    }
    EXPECT_EQ((std::set<std::wstring>{L"HKDrv", L"HKRec", L"HKFav", L"HKLast", L"HKLastMenu", L"HKMyDoc"}), names);
    EXPECT_EQ(HotKeyAction::LastMenu, hotKeyActionOf(5));
    EXPECT_FALSE(hotKeyActionOf(0));
    EXPECT_FALSE(hotKeyActionOf(7));
}

TEST(HotKeysTest, OnlyTheMenusTakeTheForeground) {
    EXPECT_FALSE(hotKeyTakesForeground(HotKeyAction::DriveList));
    EXPECT_TRUE(hotKeyTakesForeground(HotKeyAction::Recent));
    EXPECT_TRUE(hotKeyTakesForeground(HotKeyAction::Favorites));
    EXPECT_FALSE(hotKeyTakesForeground(HotKeyAction::LastFolder));
    EXPECT_TRUE(hotKeyTakesForeground(HotKeyAction::LastMenu));
    EXPECT_TRUE(hotKeyTakesForeground(HotKeyAction::Documents));
}

} // namespace
} // namespace pvn
