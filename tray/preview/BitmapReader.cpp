#include "tray/preview/BitmapReader.h"

#include "tray/preview/LittleEndian.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace pvn {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kHeadSize = kFileHeaderSize + kDibHeaderSize;
constexpr std::uint32_t kMasksSize = 12;

bool readAt(IByteSource& file, std::uint64_t offset, void* buffer, std::size_t size) {
    std::size_t got = 0;
    return file.seek(static_cast<std::int64_t>(offset)) == 0 && file.read(buffer, size, got) == 0 &&
           got == size;
}

std::uint32_t ceilDiv(std::uint32_t a, std::uint32_t b) {
    return a / b + (a % b != 0 ? 1 : 0);
}

// The first sample of each group of G: the middle of the leftover, or of a group when none is left.
std::uint32_t sampleStart(std::uint32_t size, std::uint32_t g) {
    return size % g != 0 ? size % g / 2 : g / 2;
}

} // namespace

std::optional<BitmapLayout> parseBitmapHeader(const std::uint8_t* head, std::uint64_t fileSize) {
    if (fileSize < kHeadSize || head[0] != 'B' || head[1] != 'M')
        return std::nullopt;
    const std::uint32_t bfSize = le32(head + 2);
    const std::uint32_t bfOffBits = le32(head + 10);
    const std::uint32_t biSize = le32(head + 14);
    const auto width = static_cast<std::int32_t>(le32(head + 18));
    const auto height = static_cast<std::int32_t>(le32(head + 22));
    const std::uint16_t bitCount = le16(head + 28);
    const std::uint32_t compression = le32(head + 30);
    const std::uint32_t clrUsed = le32(head + 46);

    if (bfSize > fileSize || biSize < kDibHeaderSize || biSize > fileSize - kFileHeaderSize)
        return std::nullopt;
    if (width <= 0 || height == 0 || height == INT_MIN)
        return std::nullopt;
    BitmapLayout l;
    l.width = width;
    l.height = height < 0 ? -height : height;
    l.topDown = height < 0;
    l.bitCount = bitCount;
    l.compression = compression;
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
        if (compression != kBiRgb)
            return std::nullopt;
        // More colours than the depth can address would only read past the table.
        l.tableEntries = clrUsed == 0 || clrUsed > (1u << bitCount) ? 1u << bitCount : clrUsed;
        break;
    case 24:
        if (compression != kBiRgb)
            return std::nullopt;
        break;
    case 16:
    case 32:
        if (compression != kBiRgb && compression != kBiBitfields)
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }
    // The masks follow a 40-byte header and sit inside the larger ones, at the same place.
    l.masksOffset = kHeadSize;
    l.tableOffset = kFileHeaderSize + biSize;
    if (compression == kBiBitfields && biSize == kDibHeaderSize)
        l.tableOffset += kMasksSize;
    const std::uint64_t tableEnd = std::uint64_t{l.tableOffset} + 4ull * l.tableEntries;
    if (tableEnd > fileSize || (compression == kBiBitfields && kHeadSize + kMasksSize > fileSize))
        return std::nullopt;
    l.bitsOffset = bfOffBits;
    l.stride = dibStride(width, bitCount);
    if (bfOffBits < kHeadSize || bfOffBits > fileSize || l.stride == 0)
        return std::nullopt;
    if (static_cast<std::uint64_t>(l.height) > (fileSize - bfOffBits) / l.stride)
        return std::nullopt;
    return l;
}

std::optional<BitmapLayout> inspectBitmap(IByteSource& file) {
    std::uint64_t size = 0;
    std::uint8_t head[kHeadSize];
    if (file.size(size) != 0 || size < kHeadSize || !readAt(file, 0, head, sizeof head))
        return std::nullopt;
    return parseBitmapHeader(head, size);
}

std::uint32_t bitmapReduction(const BitmapLayout& layout, std::uint32_t boxWidth, std::uint32_t boxHeight) {
    boxWidth = std::max<std::uint32_t>(boxWidth, 1);
    boxHeight = std::max<std::uint32_t>(boxHeight, 1);
    return std::max(static_cast<std::uint32_t>(layout.height) / boxHeight,
                    static_cast<std::uint32_t>(layout.width) / boxWidth);
}

std::wstring bitmapCaption(std::int32_t width, std::int32_t height, std::uint32_t bitCount) {
    return std::to_wstring(height) + L"x" + std::to_wstring(width) + L"(" + std::to_wstring(bitCount) +
           L"bit)";
}

std::optional<Picture> readBitmap(IByteSource& file, IPreviewUi& ui, std::uint32_t boxWidth,
                                  std::uint32_t boxHeight) {
    const std::optional<BitmapLayout> found = inspectBitmap(file);
    if (!found)
        return std::nullopt;
    const BitmapLayout& l = *found;

    Picture picture;
    picture.width = l.width;
    picture.height = l.height;
    picture.caption = bitmapCaption(l.width, l.height, l.bitCount);

    const std::size_t masks = l.compression == kBiBitfields ? kMasksSize : 0;
    std::vector<std::uint8_t> extra(masks + 4 * std::size_t{l.tableEntries});
    if (masks != 0 && !readAt(file, l.masksOffset, extra.data(), masks))
        return std::nullopt;
    if (l.tableEntries != 0 && !readAt(file, l.tableOffset, extra.data() + masks, extra.size() - masks))
        return std::nullopt;

    DibHeader header;
    header.bitCount = l.bitCount;
    header.compression = l.compression;
    header.clrUsed = l.tableEntries;

    const std::uint32_t g = bitmapReduction(l, boxWidth, boxHeight);
    const auto rows = static_cast<std::uint32_t>(l.height);
    if (g > 2 && l.bitCount > 4) {
        const std::uint32_t outWidth = ceilDiv(static_cast<std::uint32_t>(l.width), g);
        const std::uint32_t outHeight = ceilDiv(rows, g);
        const std::uint32_t xStart = sampleStart(static_cast<std::uint32_t>(l.width), g);
        const std::uint32_t yStart = sampleStart(rows, g);
        const std::size_t pixel = l.bitCount / 8;
        const auto outStride = static_cast<std::size_t>(dibStride(outWidth, l.bitCount));
        std::vector<std::uint8_t> row(static_cast<std::size_t>(l.stride));
        picture.bits.assign(outStride * outHeight, 0);
        for (std::uint32_t k = 0; k < outHeight; ++k) {
            const std::uint32_t fromBottom = k * g + yStart;
            const std::uint32_t stored = l.topDown ? rows - 1 - fromBottom : fromBottom;
            if (file.seek(static_cast<std::int64_t>(l.bitsOffset + stored * l.stride)) != 0) {
                ui.reportFailure("SetFilePointer", win32_error::kInvalidParameter);
                return std::nullopt;
            }
            std::size_t got = 0;
            if (file.read(row.data(), row.size(), got) != 0 || got != row.size())
                return std::nullopt;
            std::uint8_t* out = picture.bits.data() + k * outStride;
            for (std::uint32_t i = 0; i < outWidth; ++i)
                std::memcpy(out + i * pixel, row.data() + (std::size_t{i} * g + xStart) * pixel, pixel);
        }
        header.width = static_cast<std::int32_t>(outWidth);
        header.height = static_cast<std::int32_t>(outHeight);
        header.sizeImage = static_cast<std::uint32_t>(outStride * outHeight);
    } else {
        const auto stride = static_cast<std::size_t>(l.stride);
        picture.bits.resize(stride * rows);
        if (!readAt(file, l.bitsOffset, picture.bits.data(), picture.bits.size()))
            return std::nullopt;
        if (l.topDown)
            for (std::uint32_t top = 0, bottom = rows - 1; top < bottom; ++top, --bottom)
                std::swap_ranges(picture.bits.begin() + top * stride,
                                 picture.bits.begin() + (top + 1) * stride,
                                 picture.bits.begin() + bottom * stride);
        header.width = l.width;
        header.height = l.height;
        header.sizeImage = static_cast<std::uint32_t>(picture.bits.size());
    }
    picture.info = header.block();
    picture.info.insert(picture.info.end(), extra.begin(), extra.end());
    return picture;
}

} // namespace pvn
