#pragma once
// Decisions behind the keys pressed in the folder menu.
#include <cstdint>
#include <string>
#include <vector>

namespace pvn {

// An owner-drawn item of one menu: its position, its identifier and the first character of its text.
struct MenuCharItem {
    int position = 0;
    long id = 0;
    wchar_t first = 0;
};

// Jump by first letter (the caller compares case-insensitively by passing both characters lower-cased):
// the first match whose identifier lies after the highlighted one, else the first match; -1 for none.
int firstLetterPosition(const std::vector<MenuCharItem>& items, wchar_t c, long highlighted);

enum class MenuCharAction {
    CtrlLetter,  // request 10
    Preview,     // space: request 100
    ContextMenu, // Tab: request 3 at the item's centre
    BackToOpen,  // Backspace
    FirstLetter,
};

// Ctrl held with a character 1 to 26 is a command, whatever else; the rest go by character.
MenuCharAction classifyMenuChar(unsigned character, bool ctrlHeld);

struct IntPoint {
    int x = 0, y = 0;
    friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

// The point a Tab request names: the item's centre, measured from the menu window's top-left corner
// by the item's width and height (the item's own left offset is not added).
IntPoint tabPoint(int windowLeft, int windowTop, int itemLeft, int itemTop, int itemRight, int itemBottom);

} // namespace pvn
