#include "common/SelectionPlacement.h"

#include "common/SectionReader.h"
#include "common/SectionWriter.h"

namespace pvn {

std::array<std::byte, SelectionPlacement::kSize> SelectionPlacement::encode() const {
    std::array<std::byte, kSize> bytes{};
    SectionWriter writer(bytes);
    writer.writeUint32(kSize);
    writer.writeUint32(window);
    writer.writeInt32(left);
    writer.writeInt32(top);
    writer.writeInt32(right);
    writer.writeInt32(bottom);
    return bytes;
}

std::optional<SelectionPlacement> SelectionPlacement::decode(std::span<const std::byte> bytes) {
    if (bytes.size() < kSize)
        return std::nullopt;
    SectionReader reader(bytes.first(kSize));
    if (reader.readUint32() != kSize)
        return std::nullopt;
    SelectionPlacement p;
    p.window = *reader.readUint32();
    p.left = *reader.readInt32();
    p.top = *reader.readInt32();
    p.right = *reader.readInt32();
    p.bottom = *reader.readInt32();
    return p;
}

} // namespace pvn
