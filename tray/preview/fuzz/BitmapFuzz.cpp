// The bitmap reader and the edge cut over arbitrary bytes. The first two bytes choose the box.
#include "tray/preview/BitmapReader.h"
#include "tray/preview/EdgeCut.h"
#include "tray/preview/MemoryByteSource.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pvn;
    if (size < 2)
        return 0;
    const std::uint32_t boxWidth = 1 + data[0] % 64;
    const std::uint32_t boxHeight = 1 + data[1] % 64;
    MemoryByteSource file(std::span<const std::uint8_t>(data + 2, size - 2));
    CollectingPreviewUi ui;
    std::optional<Picture> picture = readBitmap(file, ui, boxWidth, boxHeight);
    if (!picture)
        return 0;
    std::optional<DibHeader> header = DibHeader::parse(picture->info);
    if (!header || header->height <= 0 || !dibBitsComplete(*header, picture->bits.size()))
        std::abort();
    const std::size_t table = header->bitCount <= 8 ? 4u * header->clrUsed : 0;
    const std::size_t masks = header->compression == kBiBitfields ? 12 : 0;
    if (picture->info.size() != kDibHeaderSize + table + masks || header->clrUsed > 256)
        std::abort();
    if (edgeCut(*picture, kWhiteBorder)) {
        header = DibHeader::parse(picture->info);
        if (!header || !dibBitsComplete(*header, picture->bits.size()))
            std::abort();
    }
    return 0;
}
