#include "settings/DriveTable.h"

#include <algorithm>

namespace pvn {

std::wstring networkDriveLabel(std::wstring_view remoteName, std::wstring_view driveName) {
    if (remoteName.size() > 2 && remoteName.starts_with(L"\\\\")) {
        const std::wstring_view rest = remoteName.substr(2);
        const std::size_t slash = rest.find(L'\\');
        if (slash != std::wstring_view::npos && slash > 0 && slash + 1 < rest.size()) {
            std::wstring_view share = rest.substr(slash + 1);
            if (share.ends_with(L'\\'))
                share.remove_suffix(1);
            if (!share.empty() && share.find(L'\\') == std::wstring_view::npos)
                return std::wstring(share) + L" in " + std::wstring(rest.substr(0, slash));
        }
    }
    return std::wstring(driveName);
}

std::wstring driveDisplayText(std::wstring_view root, std::wstring_view label) {
    std::wstring text(root);
    if (!label.empty())
        text += L"[" + std::wstring(label) + L"]";
    return text;
}

std::wstring missingDriveText(wchar_t letter) {
    return std::wstring(1, letter) + L": 未接続？";
}

std::wstring insertDrives(std::wstring_view menu, std::wstring_view letters, int before) {
    std::wstring result(menu);
    std::size_t at = before >= 0 && static_cast<std::size_t>(before) < result.size() ? static_cast<std::size_t>(before)
                                                                                     : result.size();
    for (wchar_t letter : letters) {
        if (result.find(letter) != std::wstring::npos)
            continue;
        result.insert(at, 1, letter);
        ++at;
    }
    return result;
}

int driveItemData(const std::vector<wchar_t>& presentLetters, wchar_t letter) {
    auto it = std::find(presentLetters.begin(), presentLetters.end(), letter);
    return it == presentLetters.end() ? 0 : static_cast<int>(it - presentLetters.begin()) + 1;
}

} // namespace pvn
