#pragma once
// What the stand-in tray (PvnTestReceiver) received, one record per request, appended to a file that
// the test reads back after each send.
#include "common/TrayRequest.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pvn::test {

struct LoggedRequest {
    unsigned code = 0;
    long long lParam = 0;
    // The section's whole view as the receiver found it; empty when none was open.
    std::vector<std::byte> section;
    // What receiveTrayRequest made of it; nothing when it refused the request.
    std::optional<TrayRequest> parsed;
};

bool appendLoggedRequest(const std::wstring& path, const LoggedRequest& record);
std::vector<LoggedRequest> readLoggedRequests(const std::wstring& path);

} // namespace pvn::test
