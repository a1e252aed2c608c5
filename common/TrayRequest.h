#pragma once
// A request as the tray's window procedure receives it, read out of "PVN_CurDirFile". The section
// comes from another process: every shape is checked, and a request that does not carry what its
// code needs is refused rather than handed on half-read.
#include "common/RequestPayload.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pvn {

struct TrayRequest {
    RequestCode code{};
    std::intptr_t lParam = 0;
    // Code 3.
    std::optional<ScreenPoint> point;
    // Codes 3, 5 and 10: the packed strings; code 100: the path alone.
    std::vector<std::wstring> items;
    // Code 100 with a section.
    std::optional<SelectionPlacement> placement;
};

// Codes 3, 5 and 10 always pass a section, code 100 when lParam is not 0; the others never.
bool requestCarriesSection(RequestCode code, std::intptr_t lParam);

// `section` is the whole mapped view (it may be longer than what the sender wrote: views are whole
// pages). Refused: a point or placement that does not fit, a placement size other than 24, and a
// block without a single complete string, except the empty block (no item) of codes 3 and 10. Codes without a section ignore it.
std::optional<TrayRequest> parseTrayRequest(RequestCode code, std::intptr_t lParam,
                                            std::span<const std::byte> section);

struct CtrlLetterParam {
    unsigned itemKind = 0;
    unsigned charCode = 0;
};
CtrlLetterParam splitCtrlLetterParam(std::intptr_t lParam);

} // namespace pvn
