#include "menu/DriveMenu.h"

namespace pvn {

std::wstring driveLetters(const std::wstring& setting, const std::vector<std::wstring>& logicalRoots) {
    if (setting != L"all")
        return setting;
    std::wstring letters;
    for (const std::wstring& root : logicalRoots) {
        if (root.empty() || letters.size() == kMaxDriveLetters)
            continue;
        letters += root[0];
    }
    return letters;
}

std::optional<std::wstring> remoteDriveLabel(const std::wstring& remoteName) {
    const std::size_t split = remoteName.size() > 2 ? remoteName.find(L'\\', 2) : std::wstring::npos;
    if (split == std::wstring::npos)
        return std::nullopt;
    const std::wstring server = remoteName.substr(2, split - 2);
    const std::wstring share = remoteName.substr(split + 1);
    return share + L" in " + server;
}

std::wstring driveItemText(wchar_t letter, const std::wstring& label) {
    std::wstring text{letter, L':'};
    if (!label.empty())
        text += L"[" + label + L"]";
    return text;
}

std::vector<DriveEntry> driveEntries(const std::wstring& letters, const DriveProbe& probe,
                                     const std::function<std::wstring(std::wstring_view)>& lowerCase) {
    std::vector<DriveEntry> out;
    for (wchar_t letter : letters) {
        const std::wstring lower = lowerCase(std::wstring_view(&letter, 1));
        const std::wstring root = lower + L":\\";
        if (!probe.exists(root))
            continue;
        out.push_back({root, driveItemText(lower[0], probe.label(root))});
    }
    return out;
}

} // namespace pvn
