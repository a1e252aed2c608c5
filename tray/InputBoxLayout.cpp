#include "tray/InputBoxLayout.h"

#include <algorithm>

namespace pvn {

std::vector<std::wstring> promptLines(std::wstring_view prompt) {
    std::vector<std::wstring> lines;
    for (;;) {
        const std::size_t end = prompt.find(L'\n');
        std::wstring line(prompt.substr(0, end));
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        lines.push_back(line.empty() ? L" " : std::move(line));
        if (end == std::wstring_view::npos)
            return lines;
        prompt.remove_prefix(end + 1);
    }
}

BoxSize promptGrowth(BoxSize prompt, const std::vector<BoxSize>& lineExtents) {
    BoxSize needed;
    for (const auto& line : lineExtents) {
        needed.width = std::max(needed.width, line.width);
        needed.height += line.height;
    }
    return {std::max(0, needed.width - prompt.width), std::max(0, needed.height - prompt.height)};
}

} // namespace pvn
