#include "tray/HotKeys.h"

namespace pvn {

std::optional<HotKeyCombination> hotKeyFromSetting(std::uint32_t value) {
    if ((value & 0xFFFFu) == 0)
        return std::nullopt;
    const unsigned flags = (value >> 8) & 0xFFu;
    HotKeyCombination combination;
    combination.virtualKey = value & 0xFFu;
    if (flags & 4)
        combination.modifiers |= kHotKeyAlt;
    if (flags & 2)
        combination.modifiers |= kHotKeyControl;
    if (flags & 1)
        combination.modifiers |= kHotKeyShift;
    return combination;
}

std::optional<HotKeyAction> hotKeyActionOf(std::intptr_t id) {
    for (const auto& slot : kHotKeySlots)
        if (slot.id == id)
            return slot.action;
    return std::nullopt;
}

bool hotKeyTakesForeground(HotKeyAction action) {
    return action != HotKeyAction::LastFolder && action != HotKeyAction::DriveList;
}

} // namespace pvn
