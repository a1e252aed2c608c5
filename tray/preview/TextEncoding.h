#pragma once
// Guessing the encoding of the start of a text file, without being told.
#include <cstddef>
#include <cstdint>

namespace pvn {

enum class TextEncoding { Unknown = 0, Utf16Le = 1, Utf8 = 2, Ansi = 3 };

// Whole percentages of bytes that look like each encoding (see the .cpp for the counting rules).
struct EncodingScores {
    unsigned utf16 = 0;
    unsigned shiftJis = 0;
    unsigned utf8 = 0;
};

EncodingScores scoreEncodings(const std::uint8_t* bytes, std::size_t length);

// Byte-order marks first, then the scores. `length` must be at least 1.
TextEncoding guessEncoding(const std::uint8_t* bytes, std::size_t length, bool& byteOrderMark);

} // namespace pvn
