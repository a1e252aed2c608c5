#include "tray/RecentFolders_win.h"

#include "common/ListFile_win.h"
#include "common/RecentCompaction.h"
#include "common/TextPlatform.h"

namespace pvn {
namespace {

bool removableOrCdRom(std::wstring_view root) {
    const UINT type = GetDriveTypeW(std::wstring(root).c_str());
    return type == DRIVE_REMOVABLE || type == DRIVE_CDROM;
}

} // namespace

std::vector<std::wstring> shownRecentFolders(const std::vector<std::wstring>& lines, const TraySettings& settings,
                                             int monitorHeight, int entryHeight) {
    RecentFilter filter;
    filter.limit = recentMenuLimit(monitorHeight, entryHeight);
    filter.excludeFavorites = settings.excFav;
    filter.excludeRemovableAndCdRom = settings.excRC;
    filter.isRemovableOrCdRom = removableOrCdRom;
    std::vector<std::wstring> favorites;
    if (settings.excFav)
        if (const auto path = favoritesListPath())
            favorites = readListFile(*path);
    return compactRecent(lines, favorites, filter, textPlatform());
}

} // namespace pvn
