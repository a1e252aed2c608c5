#pragma once
// The numbers of the preview pages: up-down positions into their ranges, the tab-width choice,
// and the text font's size.
#include <cstdint>
#include <optional>

namespace pvn {

// An up-down control's position as it is saved: clamped to min..max, and the range's maximum when
// the control flags the buddy's text as invalid (an unreadable text counts as above the range).
std::uint32_t savedUpDownPosition(int position, bool invalid, std::uint32_t min, std::uint32_t max);

// The drop-down entry ("2", "4", "8") that shows a stored tab width; none for any other width.
std::optional<int> tabWidthEntry(std::uint32_t tabWidth);
// The width a selection saves; no selection (or an unknown entry) saves 8.
std::uint32_t tabWidthOfEntry(int entry);

// The font height for a size in tenths of a point at a vertical resolution, as the font dialog
// expects it in its font description (negative: a character height).
int fontHeightForPoint10(std::uint32_t point10, int pixelsPerInch);

} // namespace pvn
