#include "common/RecentCompaction.h"

#include "common/PathSort.h"
#include "common/TextPlatform.h"

#include <algorithm>

namespace pvn {
namespace {

bool containsNoCase(const std::vector<std::wstring>& list, const std::wstring& text,
                    const ITextPlatform& platform) {
    return std::any_of(list.begin(), list.end(),
                       [&](const std::wstring& item) { return platform.compareNoCase(item, text) == 0; });
}

} // namespace

int recentMenuLimit(int monitorHeight, int itemHeight) {
    if (monitorHeight <= 0 || itemHeight <= 0)
        return 1;
    return std::max(1, monitorHeight / itemHeight - 1);
}

std::vector<std::wstring> compactRecent(const std::vector<std::wstring>& recentLines,
                                        const std::vector<std::wstring>& favorites,
                                        const RecentFilter& filter, const ITextPlatform& platform) {
    std::vector<std::wstring> result;
    const std::size_t limit = filter.limit > 0 ? static_cast<std::size_t>(filter.limit) : 0;
    for (auto line = recentLines.rbegin(); line != recentLines.rend() && result.size() < limit; ++line) {
        if (line->empty())
            continue;
        if (filter.excludeFavorites && containsNoCase(favorites, *line, platform))
            continue;
        if (filter.excludeRemovableAndCdRom && line->front() != L'\\' && filter.isRemovableOrCdRom &&
            filter.isRemovableOrCdRom(std::wstring_view(*line).substr(0, 3)))
            continue;
        if (containsNoCase(result, *line, platform))
            continue;
        result.push_back(*line);
    }
    return result;
}

std::vector<std::wstring> recentMenuOrder(const std::vector<std::wstring>& newestFirst, int sortType,
                                          const ITextPlatform& platform) {
    std::vector<std::wstring> out = newestFirst;
    if (sortType == 0)
        std::reverse(out.begin(), out.end());
    else if (sortType != 2)
        sortPaths(out, platform);
    return out;
}

std::vector<std::wstring> recentRewrite(const std::vector<std::wstring>& newestFirst,
                                        const std::wstring& opened) {
    std::vector<std::wstring> out(newestFirst.rbegin(), newestFirst.rend());
    out.push_back(opened);
    return out;
}

} // namespace pvn
