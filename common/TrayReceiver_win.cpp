#include "common/TrayReceiver_win.h"

#include "common/Handle_win.h"
#include "common/RequestMessage_win.h"

#include <climits>
#include <new>

namespace pvn {

std::optional<TrayRequest> receiveTrayRequest(WPARAM wParam, LPARAM lParam) {
    // A wParam beyond 32 bits is no code at all, not the code in its low bits.
    const auto code = static_cast<RequestCode>(wParam <= UINT_MAX ? static_cast<unsigned>(wParam) : 0u);
    if (!requestCarriesSection(code, lParam))
        return parseTrayRequest(code, lParam, {});

    UniqueMapping section(OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kRequestSectionName));
    if (!section)
        return std::nullopt;
    UniqueView view(MapViewOfFile(section.get(), FILE_MAP_READ, 0, 0, 0));
    if (!view)
        return std::nullopt;
    // The sender's size is not passed on; the view's own extent is the bound no read may pass.
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(view.get(), &region, sizeof region) != sizeof region || region.BaseAddress != view.get())
        return std::nullopt;
    try {
        return parseTrayRequest(code, lParam, {static_cast<const std::byte*>(view.get()), region.RegionSize});
    } catch (const std::bad_alloc&) {
        // A section of absurd size from a misbehaving sender must not take the tray down.
        return std::nullopt;
    }
}

} // namespace pvn
