#pragma once
// The tray's side of a request: reads what the sender put into "PVN_CurDirFile" while its send is
// waiting. The section is closed again before this returns, so the handler acts on a copy.
#include "common/TrayRequest.h"

#include <windows.h>

#include <optional>

namespace pvn {

// Nothing when the request needs a section and it is missing or does not hold what the code needs.
// Requests without a section come back with their code and lParam only.
std::optional<TrayRequest> receiveTrayRequest(WPARAM code, LPARAM lParam);

} // namespace pvn
