#include "tray/preview/TextEncoding.h"

namespace pvn {
namespace {

// High bytes of common UTF-16 code units: Latin, Greek and Cyrillic, punctuation, kana, CJK
// ideographs, full-width forms.
bool plausibleHighByte(std::uint8_t b) {
    return b == 0x00 || b == 0x03 || b == 0x04 || (b >= 0x20 && b <= 0x26) || b == 0x30 || b == 0x32 ||
           b == 0x33 || (b >= 0x4E && b <= 0x9F) || b == 0xF9 || b == 0xFA || b == 0xFF;
}

unsigned utf16Score(const std::uint8_t* p, std::size_t n) {
    std::uint64_t hits = 0;
    for (std::size_t i = 1; i < n; i += 2)
        hits += plausibleHighByte(p[i]);
    return static_cast<unsigned>(200 * hits / n);
}

bool sjisLead(std::uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF); }
bool sjisTrail(std::uint8_t b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// Half-width katakana count half (v and k both grow), a two-byte character twice.
unsigned shiftJisScore(const std::uint8_t* p, std::size_t n) {
    std::uint64_t v = 0, k = 0;
    for (std::size_t i = 0; i < n; ++i) {
        std::uint8_t b = p[i];
        if ((b >= 0x20 && b <= 0x7E) || b == 0x09 || b == 0x0A || b == 0x0D) {
            v += 1;
        } else if (sjisLead(b)) {
            if (i + 1 == n) {
                v += 1;
            } else {
                if (sjisTrail(p[i + 1]))
                    v += 2;
                ++i;
            }
        } else if (b >= 0xA1 && b <= 0xDF) {
            v += 1;
            k += 1;
        }
    }
    return static_cast<unsigned>(50 * (2 * v - k) / n);
}

bool continuation(std::uint8_t b) { return b >= 0x80 && b <= 0xBF; }

// Four-byte sequences are counted by q and weigh less: they are rare in the texts previewed.
unsigned utf8Score(const std::uint8_t* p, std::size_t n) {
    std::uint64_t u = 0, q = 0;
    std::size_t i = 0;
    while (i < n) {
        std::uint8_t b = p[i];
        std::size_t tail;
        if (b <= 0x7F) {
            u += 1;
            ++i;
            continue;
        } else if (b >= 0xC0 && b <= 0xDF) {
            tail = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            tail = 2;
        } else if (b >= 0xF0 && b <= 0xF4) {
            tail = 3;
        } else {
            ++i; // stray continuation byte, or F5 to FF
            continue;
        }
        std::size_t j = 1;
        while (j <= tail && i + j < n && continuation(p[i + j]))
            ++j;
        if (j > tail) {
            u += tail + 1;
            q += tail == 3;
            i += tail + 1;
        } else if (i + j == n) {
            u += j; // cut off by the end of the buffer: the bytes present count
            i = n;
        } else {
            i += j + 1; // broken: nothing counts, and the breaking byte goes too
        }
    }
    return static_cast<unsigned>(100 * (u - q) / n);
}

} // namespace

EncodingScores scoreEncodings(const std::uint8_t* bytes, std::size_t length) {
    if (length == 0)
        return {};
    return {utf16Score(bytes, length), shiftJisScore(bytes, length), utf8Score(bytes, length)};
}

TextEncoding guessEncoding(const std::uint8_t* bytes, std::size_t length, bool& byteOrderMark) {
    byteOrderMark = true;
    if (length >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        return TextEncoding::Utf16Le;
    if (length >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        return TextEncoding::Utf8;
    byteOrderMark = false;
    EncodingScores s = scoreEncodings(bytes, length);
    if (s.shiftJis > 90 && s.shiftJis >= s.utf16 && s.shiftJis >= s.utf8)
        return TextEncoding::Ansi;
    if (s.utf16 > 90 && s.utf16 >= s.shiftJis && s.utf16 >= s.utf8)
        return TextEncoding::Utf16Le;
    if (s.utf8 > 90 && s.utf8 >= s.shiftJis && s.utf8 >= s.utf16)
        return TextEncoding::Utf8;
    return TextEncoding::Unknown;
}

} // namespace pvn
