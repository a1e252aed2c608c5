#include "common/ShortenPath_win.h"

#include "common/ErrorBox_win.h"
#include "common/Paths.h"

namespace pvn {

std::wstring shortenPathToWidth(const std::wstring& path, HDC dc, int width) {
    return shortenPathToWidth(path, width, [dc](std::wstring_view text) {
        SIZE size{};
        if (!check(GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size), "GTEP32"))
            return 0;
        return static_cast<int>(size.cx);
    });
}

} // namespace pvn
