#pragma once
// Reads the names out of a CF_HDROP block (a DROPFILES header, then the names, each NUL-terminated,
// then one more NUL). The block comes from whatever program supplied the data object, so every
// offset is checked against its size instead of trusting the header.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pvn {

class ITextPlatform;

// pFiles (4), pt (8), fNC (4), fWide (4).
inline constexpr std::size_t kDropFilesHeaderSize = 20;

// The names in block order; nothing when the header does not fit, the names do not start inside the
// block, or the list is not closed by an empty name before the block ends. ANSI names (fWide zero)
// are in the system code page.
std::optional<std::vector<std::wstring>> parseDropFiles(std::span<const std::byte> block,
                                                        const ITextPlatform& platform);

} // namespace pvn
