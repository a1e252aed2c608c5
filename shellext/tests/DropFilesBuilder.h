#pragma once
// CF_HDROP blocks for the tests, byte by byte, so that headers and names can be bent out of shape.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pvn::test {

inline void putUint32(std::vector<std::byte>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::byte>((value >> (8 * i)) & 0xFF));
}

// A DROPFILES header (names at `start`, wide or ANSI) without the names.
inline std::vector<std::byte> dropFilesHeader(std::uint32_t start = 20, bool wide = true) {
    std::vector<std::byte> out;
    putUint32(out, start);
    putUint32(out, 0);
    putUint32(out, 0);
    putUint32(out, 0);
    putUint32(out, wide ? 1 : 0);
    return out;
}

inline void putWide(std::vector<std::byte>& out, const std::u16string& units) {
    for (char16_t u : units) {
        out.push_back(static_cast<std::byte>(u & 0xFF));
        out.push_back(static_cast<std::byte>(u >> 8));
    }
}

// Wide names as Explorer writes them: each with its NUL, then one more NUL.
inline std::vector<std::byte> wideDropFiles(const std::vector<std::u16string>& names) {
    auto out = dropFilesHeader();
    for (const auto& name : names) {
        putWide(out, name);
        putWide(out, std::u16string(1, u'\0'));
    }
    putWide(out, std::u16string(1, u'\0'));
    return out;
}

} // namespace pvn::test
