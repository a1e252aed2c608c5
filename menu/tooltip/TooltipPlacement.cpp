#include "menu/tooltip/TooltipPlacement.h"

namespace pvn {

TooltipPosition placeTooltip(const TooltipAnchor& anchor, int width, int height, const Rect& monitor) {
    TooltipPosition at{anchor.x + anchor.offset, anchor.y};
    if (at.x + width > monitor.right) {
        at.x = anchor.x - width - (anchor.fromMenu ? 0 : anchor.offset);
        if (at.x < monitor.left)
            at.x = anchor.x + anchor.offset;
    }
    if (at.y + height > monitor.bottom) {
        at.y = anchor.y - height - (anchor.fromMenu ? 0 : 10);
        if (at.y < monitor.top)
            at.y = anchor.y;
    }
    return at;
}

} // namespace pvn
