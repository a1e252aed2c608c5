#include "shellext/DropFiles.h"

#include "common/PackedStringBlock.h"
#include "common/TextPlatform.h"

#include <cstdint>
#include <string_view>

namespace pvn {
namespace {

std::uint32_t readUint32(std::span<const std::byte> bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

std::optional<std::vector<std::wstring>> wideNames(std::span<const std::byte> names) {
    std::vector<std::wstring> out;
    std::u16string current;
    for (std::size_t i = 0; i + 1 < names.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned>(names[i]) |
                                                (static_cast<unsigned>(names[i + 1]) << 8));
        if (unit != u'\0') {
            current += unit;
            continue;
        }
        if (current.empty())
            return out;
        out.push_back(fromUtf16Units(current));
        current.clear();
    }
    return std::nullopt;
}

std::optional<std::vector<std::wstring>> ansiNames(std::span<const std::byte> names, const ITextPlatform& platform) {
    std::vector<std::wstring> out;
    std::string current;
    for (std::byte b : names) {
        if (b != std::byte{0}) {
            current += static_cast<char>(b);
            continue;
        }
        if (current.empty())
            return out;
        out.push_back(platform.fromAnsi(current));
        current.clear();
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<std::wstring>> parseDropFiles(std::span<const std::byte> block,
                                                        const ITextPlatform& platform) {
    if (block.size() < kDropFilesHeaderSize)
        return std::nullopt;
    const std::uint32_t start = readUint32(block, 0);
    const bool wide = readUint32(block, 16) != 0;
    if (start < kDropFilesHeaderSize || start >= block.size())
        return std::nullopt;
    const auto names = block.subspan(start);
    return wide ? wideNames(names) : ansiNames(names, platform);
}

} // namespace pvn
