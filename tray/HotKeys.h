#pragma once
// The six global hot keys: their settings, how a hot-key control's value becomes a registration,
// and what each one opens.
#include "common/SettingsTable.h"

#include <array>
#include <cstdint>
#include <optional>

namespace pvn {

// The RegisterHotKey modifier bits (MOD_ALT, MOD_CONTROL, MOD_SHIFT).
inline constexpr unsigned kHotKeyAlt = 0x1;
inline constexpr unsigned kHotKeyControl = 0x2;
inline constexpr unsigned kHotKeyShift = 0x4;

struct HotKeyCombination {
    unsigned modifiers = 0;
    unsigned virtualKey = 0;
    friend bool operator==(const HotKeyCombination&, const HotKeyCombination&) = default;
};

// A hot-key control's value: low byte the key, second byte 1 Shift, 2 Ctrl, 4 Alt, 8 extended.
// Nothing when its low 16 bits are 0; the extended-key flag has no RegisterHotKey counterpart.
std::optional<HotKeyCombination> hotKeyFromSetting(std::uint32_t value);

enum class HotKeyAction {
    DriveList = 1,  // HKDrv
    Recent = 2,     // HKRec
    Favorites = 3,  // HKFav
    LastFolder = 4, // HKLast
    LastMenu = 5,   // HKLastMenu
    Documents = 6,  // HKMyDoc
};

inline constexpr int kHotKeyCount = 6;

// Hot-key id 1..6 and its setting, in registration order.
struct HotKeySlot {
    int id;
    SettingId setting;
    HotKeyAction action;
};
inline constexpr std::array<HotKeySlot, kHotKeyCount> kHotKeySlots{{
    {1, SettingId::HKDrv, HotKeyAction::DriveList},
    {2, SettingId::HKRec, HotKeyAction::Recent},
    {3, SettingId::HKFav, HotKeyAction::Favorites},
    {4, SettingId::HKLast, HotKeyAction::LastFolder},
    {5, SettingId::HKLastMenu, HotKeyAction::LastMenu},
    {6, SettingId::HKMyDoc, HotKeyAction::Documents},
}};

std::optional<HotKeyAction> hotKeyActionOf(std::intptr_t id);

// The menus need the foreground; the drive list and the last folder start other programs, which
// take it themselves.
bool hotKeyTakesForeground(HotKeyAction action);

} // namespace pvn
