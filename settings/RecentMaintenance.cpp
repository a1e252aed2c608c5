#include "settings/RecentMaintenance.h"

namespace pvn {

bool isNetworkPath(std::wstring_view path) {
    return path.starts_with(L"\\\\");
}

std::vector<std::wstring> withoutNetworkFolders(const std::vector<std::wstring>& lines) {
    std::vector<std::wstring> kept;
    for (const std::wstring& line : lines)
        if (!isNetworkPath(line))
            kept.push_back(line);
    return kept;
}

std::vector<std::wstring> withoutMissingFolders(const std::vector<std::wstring>& lines,
                                                const std::function<bool(const std::wstring&)>& keepUnchecked,
                                                const std::function<bool(const std::wstring&)>& folderExists) {
    std::vector<std::wstring> kept;
    for (const std::wstring& line : lines)
        if (keepUnchecked(line) || folderExists(line))
            kept.push_back(line);
    return kept;
}

} // namespace pvn
