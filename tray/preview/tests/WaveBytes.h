#pragma once
// Sound and video files for the media preview's tests.
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

// An uncompressed 24-bit grey video of `frames` frames at one a second, with its index.
inline std::string aviVideo(std::uint32_t width, std::uint32_t height, std::uint32_t frames) {
    auto u32 = [](std::string& b, std::uint32_t v) { b.append(reinterpret_cast<const char*>(&v), 4); };
    auto chunk = [&](const char* id, const std::string& body) {
        std::string c = id;
        u32(c, static_cast<std::uint32_t>(body.size()));
        return c + body + std::string(body.size() % 2, '\0');
    };
    const std::uint32_t frameBytes = (width * 3 + 3) / 4 * 4 * height;
    std::string avih, strh, strf, movi = "movi", idx;
    for (std::uint32_t v : {1000000u, frameBytes, 0u, 0x10u, frames, 0u, 1u, frameBytes, width, height, 0u, 0u, 0u, 0u})
        u32(avih, v);
    strh = "vidsDIB ";
    for (std::uint32_t v : {0u, 0u, 0u, 1u, 1u, 0u, frames, frameBytes, 0xFFFFFFFFu, 0u})
        u32(strh, v);
    u32(strh, 0);
    u32(strh, (height << 16) | width); // rcFrame: 0, 0, width, height as shorts
    for (std::uint32_t v : {40u, width, height, (24u << 16) | 1u, 0u, frameBytes, 0u, 0u, 0u, 0u})
        u32(strf, v);
    for (std::uint32_t i = 0; i < frames; ++i) {
        idx += "00db";
        u32(idx, 0x10);
        u32(idx, static_cast<std::uint32_t>(movi.size()));
        u32(idx, frameBytes);
        movi += chunk("00db", std::string(frameBytes, '\x80'));
    }
    const std::string strl = chunk("LIST", "strl" + chunk("strh", strh) + chunk("strf", strf));
    const std::string hdrl = chunk("LIST", "hdrl" + chunk("avih", avih) + strl);
    return chunk("RIFF", "AVI " + hdrl + chunk("LIST", movi) + chunk("idx1", idx));
}

} // namespace pvn::test
