// What a plug-in hands back, as arbitrary bytes: the information texts and their loop, the picture
// record and blocks (then the edge cut, as the preview applies it), and the archive entry array.
// The first byte chooses the walker and the layout, the next two split the rest into two blocks.
#include "common/SusiePluginRules.h"
#include "tray/preview/EdgeCut.h"
#include "tray/preview/LittleEndian.h"
#include "tray/preview/PictureGeometry.h"
#include "tray/preview/PluginOutput.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

using namespace pvn;

void check(bool condition) {
    if (!condition)
        std::abort();
}

// A GetPluginInfo that answers each number from the bytes in turn: a count (any int), then as many
// text bytes as the buffer holds.
void informationLoop(std::span<const std::uint8_t> bytes) {
    std::size_t at = 0;
    int calls = 0;
    auto call = [&](int, std::span<char> buffer) {
        ++calls;
        if (bytes.size() - at < 4)
            return 0;
        int returned;
        std::memcpy(&returned, bytes.data() + at, 4);
        at += 4;
        const std::size_t n = std::min(buffer.size(), bytes.size() - at);
        std::memcpy(buffer.data(), bytes.data() + at, n);
        at += n;
        return returned;
    };
    const std::vector<std::string> patterns = pluginPatterns(call);
    check(calls <= kMaxPluginFileTypes && patterns.size() <= static_cast<std::size_t>(calls));
    for (const std::string& p : patterns)
        check(p.size() <= static_cast<std::size_t>(kPluginInfoBufferSize) && p.find('\0') == std::string::npos);
}

// The picture-information record, then the bitmap-info and bits blocks.
void picture(std::span<const std::uint8_t> record, std::span<const std::uint8_t> info,
             std::span<const std::uint8_t> bits, const SusieLayout& layout) {
    const SusiePictureInfo pictureInfo = parsePictureInfo(record, layout);
    std::optional<Picture> p =
        pictureFromBlocks(info, bits, pictureInfo, pluginCaption(pictureInfo, L"00INf.spi："));
    if (!p)
        return;
    std::optional<DibHeader> h = DibHeader::parse(p->info);
    check(h && dibBitsComplete(*h, p->bits.size()));
    check(p->info.size() <= info.size() && p->bits.size() <= bits.size());
    check(p->bits.size() == dibStride(h->width, h->bitCount) * static_cast<std::uint64_t>(std::llabs(h->height)));
    check(p->width > 0 && p->height > 0);
    // With the plain header, what is taken can be drawn.
    check(le32(p->info.data()) != kDibHeaderSize || pictureDrawable(*p));
    if (edgeCut(*p, kWhiteBorder)) {
        h = DibHeader::parse(p->info);
        check(h && dibBitsComplete(*h, p->bits.size()));
    }
}

void listing(std::span<const std::uint8_t> block, std::uint8_t maxLines, const SusieLayout& layout) {
    std::vector<std::wstring> lines;
    listArchiveBlock(block, layout, maxLines, L"00AMf.spi：", textPlatform(), lines);
    // The entries, at most one more mark, and the plug-in line.
    check(!lines.empty() && lines.size() <= std::min<std::size_t>(maxLines, block.size() / layout.entrySize) + 2);
    for (const std::wstring& line : lines)
        check(line.size() <= 2 * kSusieNameSize + 16);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const SusieLayout& layout = data[0] & 0x80 ? kSusieLayout64 : kSusieLayout32;
    const std::span<const std::uint8_t> rest(data + 3, size - 3);
    const std::size_t split = static_cast<std::size_t>(data[1] | data[2] << 8);
    switch (data[0] % 3) {
    case 0:
        informationLoop(rest);
        break;
    case 1: {
        const auto record = rest.first(std::min(layout.pictureInfoSize, rest.size()));
        const auto blocks = rest.subspan(record.size());
        const std::size_t infoSize = std::min(split, blocks.size());
        picture(record, blocks.first(infoSize), blocks.subspan(infoSize), layout);
        break;
    }
    default:
        listing(rest, data[1], layout);
        break;
    }
    return 0;
}
