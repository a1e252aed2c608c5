#pragma once
// Where the highlighted menu item lies: the record the folder menu hands to the tray with a preview
// request. 24 bytes, little-endian: size (always 24), the menu window's handle in 32 bits, then the
// item rectangle left, top, right, bottom in that window's client coordinates.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pvn {

struct SelectionPlacement {
    static constexpr std::uint32_t kSize = 24;

    // Window handles are significant in their low 32 bits; the receiver sign-extends them back.
    std::uint32_t window = 0;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::array<std::byte, kSize> encode() const;
    // Refuses a block shorter than the record and a size field other than 24: the receiver copies the
    // record into a fixed 24-byte structure, so trusting a larger size would overrun it.
    static std::optional<SelectionPlacement> decode(std::span<const std::byte> bytes);

    friend bool operator==(const SelectionPlacement&, const SelectionPlacement&) = default;
};

} // namespace pvn
