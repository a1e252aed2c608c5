#pragma once
// The font dialog of the text preview page: existing, fixed-pitch, horizontal fonts only, with the
// style box disabled, since only the face and the size are kept.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace pvn {

struct TextFont {
    std::wstring face;
    std::uint32_t point10 = 0;
};

// Opens with the face (character set 128) at the size; the choice on OK, nothing on cancel.
std::optional<TextFont> chooseTextFont(HWND owner, const TextFont& current);

} // namespace pvn
