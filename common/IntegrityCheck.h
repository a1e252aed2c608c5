#pragma once
// The programs check their own file at start: the build writes the PE image checksum into the
// optional header ("sealing"), and the program recomputes it over the file it was loaded from.
// An unsealed file (checksum 0) or any changed byte fails the check.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pvn {

// Offset of the CheckSum field of the optional header, when the bytes hold a PE image.
std::optional<size_t> peChecksumOffset(std::span<const uint8_t> image);
// The image checksum: 16-bit one's-complement-style sum of the file, skipping the field, plus the length.
uint32_t peChecksum(std::span<const uint8_t> image, size_t checksumOffset);

enum class SealState { Intact, NotPe, Unsealed, Modified };
SealState checkSeal(std::span<const uint8_t> image);

} // namespace pvn
