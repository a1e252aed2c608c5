#include "tray/preview/PictureGeometry.h"

#include "tray/preview/LittleEndian.h"

#include <algorithm>

namespace pvn {
namespace {

PictureLayout framed(int drawnWidth, int drawnHeight, int lineHeight) {
    return {drawnWidth, drawnHeight, drawnWidth + 2, drawnHeight + lineHeight + 3};
}

} // namespace

PictureLayout scalePictureIntoBox(int width, int height, int boxWidth, int boxHeight, int lineHeight) {
    if (width <= 0 || height <= 0)
        return framed(0, 0, lineHeight);
    const double factor =
        std::min({static_cast<double>(boxWidth) / width, static_cast<double>(boxHeight) / height, 1.0});
    return framed(static_cast<int>(width * factor), static_cast<int>(height * factor), lineHeight);
}

bool pictureDrawable(const Picture& picture) {
    const std::optional<DibHeader> h = DibHeader::parse(picture.info);
    if (!h || (h->compression != kBiRgb && h->compression != kBiBitfields))
        return false;
    const std::uint64_t headerSize = le32(picture.info.data());
    std::uint64_t table = h->compression == kBiBitfields ? 12 : 0;
    if (h->bitCount <= 8)
        table += 4ull * (h->clrUsed ? h->clrUsed : 1u << h->bitCount);
    return headerSize >= kDibHeaderSize && headerSize + table <= picture.info.size() &&
           dibBitsComplete(*h, picture.bits.size());
}

} // namespace pvn
