#include "tray/preview/EdgeCut.h"

#include <cstdlib>
#include <cstring>

namespace pvn {
namespace {

struct View {
    const std::uint8_t* bits;
    std::size_t stride;
    std::size_t pixel;
    std::uint8_t border;

    bool isBorder(std::uint32_t x, std::uint32_t y) const {
        const std::uint8_t* p = bits + y * stride + x * pixel;
        return p[0] == border && p[1] == border && p[2] == border;
    }
    bool rowIsBorder(std::uint32_t y, std::uint32_t width) const {
        for (std::uint32_t x = 0; x < width; ++x)
            if (!isBorder(x, y))
                return false;
        return true;
    }
    bool columnIsBorder(std::uint32_t x, std::uint32_t top, std::uint32_t bottom) const {
        for (std::uint32_t y = top; y <= bottom; ++y)
            if (!isBorder(x, y))
                return false;
        return true;
    }
};

} // namespace

bool edgeCut(Picture& picture, std::uint8_t border, bool mark) {
    std::optional<DibHeader> header = DibHeader::parse(picture.info);
    if (!header || (header->bitCount != 24 && header->bitCount != 32) ||
        !dibBitsComplete(*header, picture.bits.size()))
        return false;
    const auto width = static_cast<std::uint32_t>(header->width);
    const auto height = static_cast<std::uint32_t>(std::llabs(static_cast<long long>(header->height)));
    const View view{picture.bits.data(), static_cast<std::size_t>(dibStride(width, header->bitCount)),
                    header->bitCount / 8u, border};

    std::uint32_t firstContent = 0;
    while (firstContent < height && view.rowIsBorder(firstContent, width))
        ++firstContent;
    if (firstContent == height)
        return false;
    std::uint32_t lastContent = height - 1;
    while (view.rowIsBorder(lastContent, width))
        --lastContent;
    // Columns are looked at only between the rows with content: the rows outside are border.
    std::uint32_t leftContent = 0;
    while (view.columnIsBorder(leftContent, firstContent, lastContent))
        ++leftContent;
    std::uint32_t rightContent = width - 1;
    while (view.columnIsBorder(rightContent, firstContent, lastContent))
        --rightContent;

    const std::uint32_t first = firstContent > 0 ? firstContent - 1 : 0;
    const std::uint32_t last = lastContent + 1 < height ? lastContent + 1 : height - 1;
    const std::uint32_t left = leftContent > 0 ? leftContent - 1 : 0;
    const std::uint32_t right = rightContent + 1 < width ? rightContent + 1 : width - 1;
    if (first >= last || left >= right)
        return false;
    const std::uint32_t keptWidth = right - left + 1;
    const std::uint32_t keptHeight = last - first + 1;
    if (keptWidth == width && keptHeight == height)
        return false;

    const auto newStride = static_cast<std::size_t>(dibStride(keptWidth, header->bitCount));
    for (std::uint32_t y = 0; y < keptHeight; ++y)
        std::memmove(picture.bits.data() + y * newStride,
                     picture.bits.data() + (first + y) * view.stride + left * view.pixel,
                     keptWidth * view.pixel);
    picture.bits.resize(newStride * keptHeight);

    picture.width = static_cast<std::int32_t>(static_cast<std::int64_t>(picture.width) * keptWidth / width);
    picture.height =
        static_cast<std::int32_t>(static_cast<std::int64_t>(picture.height) * keptHeight / height);
    header->width = static_cast<std::int32_t>(keptWidth);
    header->height =
        header->height < 0 ? -static_cast<std::int32_t>(keptHeight) : static_cast<std::int32_t>(keptHeight);
    header->sizeImage = static_cast<std::uint32_t>(picture.bits.size());
    header->store(picture.info);
    if (mark)
        picture.caption += kEdgeCutMark;
    return true;
}

} // namespace pvn
