#pragma once
// What a sender puts into "PVN_CurDirFile" and into lParam for each request to the tray, byte for
// byte. The Windows side only creates the section of data.size() bytes and copies the data in.
#include "common/RequestCode.h"
#include "common/SelectionPlacement.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pvn {

// Stands for "no item" in a Ctrl+letter request: nothing highlighted, or a menu without start folder.
inline constexpr wchar_t kNoText[] = L"no text";

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct RequestPayload {
    RequestCode code{};
    std::intptr_t lParam = 0;
    // Contents of the section; empty for a request that passes none.
    std::vector<std::byte> data;
};

// Code 3: the point, then the item's path. lParam is the sender's window.
RequestPayload makeContextMenuRequest(ScreenPoint point, const std::wstring& itemPath, std::intptr_t senderWindow);
// Code 5: every selected path.
RequestPayload makeFileOperationRequest(const std::vector<std::wstring>& paths);
// Code 10: the item's path and the menu's start folder, each "no text" when empty. The item kind is
// 0 with no highlighted item, 3 for a folder sub-menu, otherwise the negated item code (1 to 5).
RequestPayload makeCtrlLetterRequest(unsigned itemKind, unsigned charCode, const std::wstring& itemPath,
                                     const std::wstring& startFolder);
// Code 100 with a section: the placement, then the path and two NULs; lParam = path length + 26.
RequestPayload makePreviewRequest(const SelectionPlacement& placement, const std::wstring& path);
// Code 100 with lParam 0: drop the current preview.
RequestPayload makePreviewHideRequest();
// Codes 4, 9 and 13, which pass only lParam.
RequestPayload makeBareRequest(RequestCode code, std::intptr_t lParam = 0);

// MAKELONG(item kind, character code), the lParam of code 10.
std::uint32_t ctrlLetterParam(unsigned itemKind, unsigned charCode);

} // namespace pvn
