#pragma once
// What image and archive plug-ins hand back, read without trusting it: the picture-information
// record, the bitmap-info and bits blocks, and the archive entry array, each within the size of its
// block. The layouts are those of the 32-bit interface and of the 64-bit one (pointer-sized handles
// and positions, padded records).
#include "common/TextPlatform.h"
#include "tray/preview/Picture.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

struct SusieLayout {
    std::size_t pictureInfoSize; // left, top, width, height, two densities, depth, [padding,] text handle
    std::size_t textHandleOffset;
    std::size_t handleSize;
    std::size_t entrySize; // method 8, position, sizes, time stamp, path 200, name 200, CRC[, padding]
    std::size_t pathOffset;
};
inline constexpr SusieLayout kSusieLayout32{26, 22, 4, 428, 24};
inline constexpr SusieLayout kSusieLayout64{32, 24, 8, 448, 40};
inline constexpr std::size_t kSusieNameSize = 200;
// The file image every IsSupported call gets, zero-filled beyond a shorter file.
inline constexpr std::size_t kSusieCheckSize = 2048;

struct SusiePictureInfo {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int16_t colorDepth = 0;
    std::uint64_t textHandle = 0;
};

// `record` holds at least layout.pictureInfoSize bytes.
SusiePictureInfo parsePictureInfo(std::span<const std::uint8_t> record, const SusieLayout& layout);

// "<height>x<width>(<depth>bit)with " and the description from its fifth character on.
std::wstring pluginCaption(const SusiePictureInfo& info, std::wstring_view description);

// A picture copied out of the plug-in's two blocks, or null when the header is not a plain bitmap or
// claims more than the blocks hold. The size for scaling is the information's, or the header's
// when the information gives none.
std::optional<Picture> pictureFromBlocks(std::span<const std::uint8_t> info,
                                         std::span<const std::uint8_t> bits,
                                         const SusiePictureInfo& pictureInfo, std::wstring caption);

// Appends the entries of an archive block to `lines`: path and name, or the name alone; " ：" once
// `maxLines` are listed and the block has room for another entry; stops at an empty method or where a
// whole entry no longer fits. Then "with " and the description from its fifth character on.
void listArchiveBlock(std::span<const std::uint8_t> block, const SusieLayout& layout, std::uint32_t maxLines,
                      std::wstring_view description, const ITextPlatform& text,
                      std::vector<std::wstring>& lines);

} // namespace pvn
