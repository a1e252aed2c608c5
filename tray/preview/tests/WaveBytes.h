#pragma once
// Sound files for the media preview's tests.
#include <cstdint>
#include <string>

namespace pvn::test {

// 16-bit mono PCM silence of the given length.
inline std::string wave(std::uint32_t milliseconds) {
    const std::uint32_t rate = 8000, data = rate * 2 * milliseconds / 1000;
    std::string b;
    auto u32 = [&](std::uint32_t v) { b.append(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { b.append(reinterpret_cast<const char*>(&v), 2); };
    b += "RIFF";
    u32(36 + data);
    b += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    b += "data";
    u32(data);
    b.append(data, '\0');
    return b;
}

} // namespace pvn::test
