#include "common/TrayRequest.h"

#include "common/PackedStringBlock.h"
#include "common/SectionReader.h"

#include <utility>

namespace pvn {
namespace {

// The drive menu's "開く" has no path: its right click and Ctrl+letter carry an empty block, which
// the handlers read as "no item". Other codes name at least one path.
bool mayNameNoItem(RequestCode code) {
    return code == RequestCode::ItemContextMenu || code == RequestCode::CtrlLetterCommand;
}

bool readItems(SectionReader& reader, TrayRequest& request) {
    auto block = decodePackedStrings(reader.rest());
    if (block.strings.empty() && !(block.terminated && mayNameNoItem(request.code)))
        return false;
    reader.skip(block.byteSize);
    request.items = std::move(block.strings);
    return true;
}

} // namespace

bool requestCarriesSection(RequestCode code, std::intptr_t lParam) {
    switch (code) {
    case RequestCode::ItemContextMenu:
    case RequestCode::FileOperationItems:
    case RequestCode::CtrlLetterCommand:
        return true;
    case RequestCode::Preview:
        return lParam != 0;
    default:
        return false;
    }
}

std::optional<TrayRequest> parseTrayRequest(RequestCode code, std::intptr_t lParam,
                                            std::span<const std::byte> section) {
    TrayRequest request{code, lParam, std::nullopt, {}, std::nullopt};
    if (!requestCarriesSection(code, lParam))
        return request;
    SectionReader reader(section);
    switch (code) {
    case RequestCode::ItemContextMenu: {
        auto x = reader.readInt32();
        auto y = reader.readInt32();
        if (!x || !y)
            return std::nullopt;
        request.point = ScreenPoint{*x, *y};
        break;
    }
    case RequestCode::Preview: {
        if (reader.peekUint32() != SelectionPlacement::kSize)
            return std::nullopt;
        auto record = reader.read(SelectionPlacement::kSize);
        if (!record)
            return std::nullopt;
        request.placement = SelectionPlacement::decode(*record);
        if (!request.placement)
            return std::nullopt;
        break;
    }
    default:
        break;
    }
    if (!readItems(reader, request))
        return std::nullopt;
    if (code == RequestCode::Preview)
        request.items.resize(1);
    return request;
}

CtrlLetterParam splitCtrlLetterParam(std::intptr_t lParam) {
    const auto value = static_cast<std::uint32_t>(static_cast<std::uintptr_t>(lParam));
    return {value & 0xFFFFu, (value >> 16) & 0xFFFFu};
}

} // namespace pvn
