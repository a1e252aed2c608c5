#pragma once
// Where a tooltip beside a menu item goes: right of the item, or left of it when the monitor ends;
// below the item's bottom, or above it when the monitor ends.
#include "common/MonitorLayout.h"

namespace pvn {

struct TooltipAnchor {
    int x = 0, y = 0;      // the item's bottom-left corner on the screen, or the cursor
    int offset = 0;        // the item's width plus the menu's edges
    bool fromMenu = false; // the anchor is an item of a menu window (not the cursor)
};

struct TooltipPosition {
    int x = 0, y = 0;
    friend bool operator==(const TooltipPosition&, const TooltipPosition&) = default;
};

TooltipPosition placeTooltip(const TooltipAnchor& anchor, int width, int height, const Rect& monitor);

} // namespace pvn
