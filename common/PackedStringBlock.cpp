#include "common/PackedStringBlock.h"

#include <cstdint>

namespace pvn {

std::u16string toUtf16Units(std::wstring_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (wchar_t c : text) {
        auto code = static_cast<std::uint32_t>(c);
        if constexpr (sizeof(wchar_t) > 2) {
            if (code > 0xFFFF && code <= 0x10FFFF) {
                code -= 0x10000;
                units += static_cast<char16_t>(0xD800 + (code >> 10));
                units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
                continue;
            }
        }
        units += static_cast<char16_t>(code);
    }
    return units;
}

std::wstring fromUtf16Units(std::u16string_view units) {
    std::wstring text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char16_t unit = units[i];
        if constexpr (sizeof(wchar_t) > 2) {
            if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                units[i + 1] < 0xE000) {
                text += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
                ++i;
                continue;
            }
        }
        text += static_cast<wchar_t>(unit);
    }
    return text;
}

std::u16string encodePackedStrings(const std::vector<std::wstring>& strings) {
    std::u16string block;
    for (const auto& s : strings) {
        std::wstring_view text(s.c_str());
        if (text.empty())
            continue;
        block += toUtf16Units(text);
        block += u'\0';
    }
    block += u'\0';
    return block;
}

PackedStringBlock decodePackedStrings(std::span<const std::byte> bytes) {
    PackedStringBlock block;
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned>(bytes[2 * i]) |
                                     static_cast<unsigned>(bytes[2 * i + 1]) << 8);
    };
    std::u16string current;
    for (std::size_t i = 0; i < units; ++i) {
        char16_t unit = unitAt(i);
        if (unit != u'\0') {
            current += unit;
            continue;
        }
        block.byteSize = 2 * (i + 1);
        if (current.empty()) {
            block.terminated = true;
            return block;
        }
        block.strings.push_back(fromUtf16Units(current));
        current.clear();
    }
    return block;
}

} // namespace pvn
