#pragma once
// Trims uniform borders from 24- and 32-bit pictures, keeping one row or column of border on each
// side that had one.
#include "tray/preview/Picture.h"

#include <cstdint>

namespace pvn {

inline constexpr wchar_t kEdgeCutMark[] = L" エッジカット";
inline constexpr std::uint8_t kWhiteBorder = 255;
inline constexpr std::uint8_t kBlackBorder = 0;

// A pixel is border when its blue, green and red bytes all equal `border`. When something is cut,
// the pixels and the header shrink, the reported size shrinks in proportion (the window then keeps
// the picture's proportions) and, for `mark`, the caption gets " エッジカット". Returns whether
// anything was cut; other depths and pictures without content are left as they are.
bool edgeCut(Picture& picture, std::uint8_t border, bool mark = true);

} // namespace pvn
