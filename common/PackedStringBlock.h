#pragma once
// The unit in which paths cross between the programs: UTF-16 strings, each followed by a NUL, and one
// more NUL at the end. Its size in bytes is 2 × (Σ(length + 1) + 1).
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace pvn {

struct PackedStringBlock {
    std::vector<std::wstring> strings;
    // The closing empty string lay inside the bytes given. When it did not, `strings` holds only the
    // strings whose NUL was found: a string cut off by the end of the bytes is never passed on,
    // because a truncated path names some other file.
    bool terminated = false;
    // Bytes taken, through the closing NUL when it was found.
    std::size_t byteSize = 0;
};

// Each string is taken up to its first NUL, and empty strings are left out: either would end the
// block early for the reader and hide every string after it.
std::u16string encodePackedStrings(const std::vector<std::wstring>& strings);

// Never reads past the bytes given; an odd last byte is ignored.
PackedStringBlock decodePackedStrings(std::span<const std::byte> bytes);

// The UTF-16 code units of a text, and back. Wide strings are UTF-16 on Windows and UTF-32 in the
// native builds; the block is UTF-16 on both.
std::u16string toUtf16Units(std::wstring_view text);
std::wstring fromUtf16Units(std::u16string_view units);

} // namespace pvn
