#pragma once
// The built-in reader of plain uncompressed Windows bitmaps. Nothing in the file is trusted: a header
// that does not add up sends the file on to the next picture source.
#include "tray/preview/ByteSource.h"
#include "tray/preview/Picture.h"
#include "tray/preview/PreviewUi.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pvn {

// Where a plain bitmap keeps its parts, once every field has been checked against the file.
struct BitmapLayout {
    std::int32_t width = 0;
    std::int32_t height = 0; // rows, always positive
    bool topDown = false;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0; // kBiRgb, or kBiBitfields for 16 and 32 bits
    std::uint32_t masksOffset = 0; // bit-field masks (12 bytes) when compression says so
    std::uint32_t tableOffset = 0;
    std::uint32_t tableEntries = 0; // 1, 4 and 8 bits only
    std::uint32_t bitsOffset = 0;
    std::uint64_t stride = 0;
};

// The first 54 bytes (file header and 40-byte info header) and the file's size: the layout, or null
// for anything the reader does not take.
std::optional<BitmapLayout> parseBitmapHeader(const std::uint8_t* head, std::uint64_t fileSize);

// Test: whether the file is a plain bitmap this reader takes.
std::optional<BitmapLayout> inspectBitmap(IByteSource& file);

// The reduction factor G for a box: the larger of height ÷ box height and width ÷ box width.
std::uint32_t bitmapReduction(const BitmapLayout& layout, std::uint32_t boxWidth, std::uint32_t boxHeight);

// Reads the picture for the box: with G above 2 (and more than 4 bits a pixel) only one row in G and
// one pixel in G of it; otherwise every row. Rows come out bottom-up. A failed seek is reported as
// "SetFilePointer"; any other failure gives null.
std::optional<Picture> readBitmap(IByteSource& file, IPreviewUi& ui, std::uint32_t boxWidth,
                                  std::uint32_t boxHeight);

// "<height>x<width>(<bits>bit)".
std::wstring bitmapCaption(std::int32_t width, std::int32_t height, std::uint32_t bitCount);

} // namespace pvn
