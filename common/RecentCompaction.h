#pragma once
// Which recent folders the recent menus show, in which order, and what the recent list file then
// holds. The tray's recent menu and the file-operation menu share this.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

class ITextPlatform;

struct RecentFilter {
    bool excludeFavorites = false;         // ExcFav
    bool excludeRemovableAndCdRom = false; // ExcRC
    int limit = 1;                         // see recentMenuLimit
    // Whether the drive of a root such as "e:\" is removable or a CD-ROM.
    std::function<bool(std::wstring_view root)> isRemovableOrCdRom;
};

// As many entries as fit on the monitor, less one: floor(monitor height / item height) - 1, and at
// least one, also for a height that is unknown or zero.
int recentMenuLimit(int monitorHeight, int itemHeight);

// The recent lines (oldest first) filtered and without duplicates (case-insensitive), newest first,
// at most filter.limit of them. Empty lines are skipped.
std::vector<std::wstring> compactRecent(const std::vector<std::wstring>& recentLines,
                                        const std::vector<std::wstring>& favorites,
                                        const RecentFilter& filter, const ITextPlatform& platform);

// RecentSortType: 0 newest at the bottom, 1 path order, 2 newest at the top; other values are
// taken as the installation's 1.
std::vector<std::wstring> recentMenuOrder(const std::vector<std::wstring>& newestFirst, int sortType,
                                          const ITextPlatform& platform);

// The recent list file after a folder was opened from the menu: the shown folders oldest first,
// then the opened one.
std::vector<std::wstring> recentRewrite(const std::vector<std::wstring>& newestFirst,
                                        const std::wstring& opened);

} // namespace pvn
