#include "common/RequestPayload.h"

#include "common/PackedStringBlock.h"
#include "common/SectionWriter.h"

namespace pvn {
namespace {

const std::wstring& orNoText(const std::wstring& text) {
    static const std::wstring noText = kNoText;
    return text.empty() ? noText : text;
}

std::vector<std::byte> blockBytes(const std::u16string& units) {
    std::vector<std::byte> bytes(2 * units.size());
    SectionWriter(bytes).writeUnits(units);
    return bytes;
}

} // namespace

RequestPayload makeContextMenuRequest(ScreenPoint point, const std::wstring& itemPath, std::intptr_t senderWindow) {
    const std::u16string block = encodePackedStrings({itemPath});
    RequestPayload request{RequestCode::ItemContextMenu, senderWindow, {}};
    request.data.resize(8 + 2 * block.size());
    SectionWriter writer(request.data);
    writer.writeInt32(point.x);
    writer.writeInt32(point.y);
    writer.writeUnits(block);
    return request;
}

RequestPayload makeFileOperationRequest(const std::vector<std::wstring>& paths) {
    return {RequestCode::FileOperationItems, 0, blockBytes(encodePackedStrings(paths))};
}

RequestPayload makeCtrlLetterRequest(unsigned itemKind, unsigned charCode, const std::wstring& itemPath,
                                     const std::wstring& startFolder) {
    return {RequestCode::CtrlLetterCommand, static_cast<std::intptr_t>(ctrlLetterParam(itemKind, charCode)),
            blockBytes(encodePackedStrings({orNoText(itemPath), orNoText(startFolder)}))};
}

RequestPayload makePreviewRequest(const SelectionPlacement& placement, const std::wstring& path) {
    std::u16string units = toUtf16Units(std::wstring_view(path.c_str()));
    const std::size_t pathLength = units.size();
    units.append(2, u'\0');
    RequestPayload request{RequestCode::Preview, static_cast<std::intptr_t>(pathLength + 26), {}};
    request.data.resize(SelectionPlacement::kSize + 2 * units.size());
    SectionWriter writer(request.data);
    writer.write(placement.encode());
    writer.writeUnits(units);
    return request;
}

RequestPayload makePreviewHideRequest() { return {RequestCode::Preview, 0, {}}; }

RequestPayload makeBareRequest(RequestCode code, std::intptr_t lParam) { return {code, lParam, {}}; }

std::uint32_t ctrlLetterParam(unsigned itemKind, unsigned charCode) {
    return (itemKind & 0xFFFFu) | (charCode & 0xFFFFu) << 16;
}

} // namespace pvn
