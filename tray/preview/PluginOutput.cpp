#include "tray/preview/PluginOutput.h"

#include "tray/preview/ArchivePreview.h"
#include "tray/preview/LittleEndian.h"

#include <climits>
#include <cstdlib>

namespace pvn {
namespace {

std::string_view nameField(const std::uint8_t* p) {
    std::size_t n = 0;
    while (n < kSusieNameSize && p[n] != 0)
        ++n;
    return {reinterpret_cast<const char*>(p), n};
}

std::wstring_view afterVersion(std::wstring_view description) {
    return description.size() > 4 ? description.substr(4) : std::wstring_view();
}

} // namespace

SusiePictureInfo parsePictureInfo(std::span<const std::uint8_t> record, const SusieLayout& layout) {
    SusiePictureInfo info;
    if (record.size() < layout.pictureInfoSize)
        return info;
    const std::uint8_t* p = record.data();
    info.width = static_cast<std::int32_t>(le32(p + 8));
    info.height = static_cast<std::int32_t>(le32(p + 12));
    info.colorDepth = static_cast<std::int16_t>(le16(p + 20));
    info.textHandle =
        layout.handleSize == 8 ? le64(p + layout.textHandleOffset) : le32(p + layout.textHandleOffset);
    return info;
}

std::wstring pluginCaption(const SusiePictureInfo& info, std::wstring_view description) {
    std::wstring caption = std::to_wstring(info.height) + L"x" + std::to_wstring(info.width) + L"(" +
                           std::to_wstring(info.colorDepth) + L"bit)with ";
    caption += afterVersion(description);
    return caption;
}

std::optional<Picture> pictureFromBlocks(std::span<const std::uint8_t> info,
                                         std::span<const std::uint8_t> bits,
                                         const SusiePictureInfo& pictureInfo, std::wstring caption) {
    if (info.size() < kDibHeaderSize)
        return std::nullopt;
    const std::uint32_t headerSize = le32(info.data());
    const std::vector<std::uint8_t> head(info.begin(), info.begin() + kDibHeaderSize);
    const DibHeader h = *DibHeader::parse(head);
    if (headerSize < kDibHeaderSize || headerSize > info.size() || h.width <= 0 || h.height == 0 ||
        h.height == INT_MIN)
        return std::nullopt;
    std::uint64_t extra = 0;
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
        if (h.compression != kBiRgb)
            return std::nullopt;
        // The table the header announces, as far as the depth can address it.
        extra = 4ull * (h.clrUsed == 0 || h.clrUsed > (1u << h.bitCount) ? 1u << h.bitCount : h.clrUsed);
        break;
    case 24:
        if (h.compression != kBiRgb)
            return std::nullopt;
        break;
    case 16:
    case 32:
        if (h.compression == kBiBitfields && headerSize == kDibHeaderSize)
            extra = 12;
        else if (h.compression != kBiRgb && h.compression != kBiBitfields)
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }
    if (headerSize + extra > info.size() || !dibBitsComplete(h, bits.size()))
        return std::nullopt;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::llabs(static_cast<long long>(h.height)));
    const std::size_t bitsSize = static_cast<std::size_t>(dibStride(h.width, h.bitCount) * rows);

    Picture picture;
    picture.info.assign(info.begin(), info.begin() + static_cast<std::ptrdiff_t>(headerSize + extra));
    if (h.bitCount <= 8) {
        DibHeader fixed = h;
        fixed.clrUsed = static_cast<std::uint32_t>(extra / 4);
        fixed.store(picture.info);
    }
    picture.bits.assign(bits.begin(), bits.begin() + static_cast<std::ptrdiff_t>(bitsSize));
    const bool infoUsable = pictureInfo.width > 0 && pictureInfo.height > 0;
    picture.width = infoUsable ? pictureInfo.width : h.width;
    picture.height = infoUsable ? pictureInfo.height : static_cast<std::int32_t>(rows);
    picture.caption = std::move(caption);
    return picture;
}

void listArchiveBlock(std::span<const std::uint8_t> block, const SusieLayout& layout, std::uint32_t maxLines,
                      std::wstring_view description, const ITextPlatform& text,
                      std::vector<std::wstring>& lines) {
    std::uint32_t listed = 0;
    for (std::size_t at = 0; block.size() - at >= layout.entrySize; at += layout.entrySize) {
        if (listed >= maxLines) {
            lines.emplace_back(kArchiveMore);
            break;
        }
        const std::uint8_t* entry = block.data() + at;
        if (entry[0] == 0)
            break;
        const std::string_view path = nameField(entry + layout.pathOffset);
        const std::string_view name = nameField(entry + layout.pathOffset + kSusieNameSize);
        lines.push_back(text.fromAnsi(std::string(path) + std::string(name)));
        ++listed;
    }
    lines.push_back(L"with " + std::wstring(afterVersion(description)));
}

} // namespace pvn
