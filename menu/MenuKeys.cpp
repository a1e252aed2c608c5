#include "menu/MenuKeys.h"

namespace pvn {

int firstLetterPosition(const std::vector<MenuCharItem>& items, wchar_t c, long highlighted) {
    int firstMatch = -1;
    for (const MenuCharItem& item : items) {
        if (item.first != c)
            continue;
        if (item.id > highlighted)
            return item.position;
        if (firstMatch < 0)
            firstMatch = item.position;
    }
    return firstMatch;
}

MenuCharAction classifyMenuChar(unsigned character, bool ctrlHeld) {
    if (ctrlHeld && character >= 1 && character <= 26)
        return MenuCharAction::CtrlLetter;
    switch (character) {
    case L' ':
        return MenuCharAction::Preview;
    case L'\t':
        return MenuCharAction::ContextMenu;
    case L'\b':
        return MenuCharAction::BackToOpen;
    default:
        return MenuCharAction::FirstLetter;
    }
}

IntPoint tabPoint(int windowLeft, int windowTop, int itemLeft, int itemTop, int itemRight, int itemBottom) {
    return {windowLeft + (itemRight - itemLeft) / 2, windowTop + itemTop + (itemBottom - itemTop) / 2};
}

} // namespace pvn
