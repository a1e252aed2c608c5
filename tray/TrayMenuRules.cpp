#include "tray/TrayMenuRules.h"

#include "common/Paths.h"

namespace pvn {

IconClickAction iconClickAction(bool ctrlDown, bool shiftDown, bool favoritesSwapped) {
    if (ctrlDown)
        return IconClickAction::LastFolder;
    return shiftDown != favoritesSwapped ? IconClickAction::FavoritesMenu : IconClickAction::RecentMenu;
}

std::intptr_t entryItemData(int list, int index) {
    return static_cast<std::intptr_t>(list) * kEntriesPerList + index;
}

std::optional<EntryRef> entryOfItemData(std::intptr_t itemData) {
    if (itemData < 0)
        return std::nullopt;
    return EntryRef{static_cast<int>(itemData / kEntriesPerList), static_cast<int>(itemData % kEntriesPerList)};
}

std::optional<EntryRef> actionableEntry(std::intptr_t itemData, std::size_t recentCount,
                                       std::size_t favoritesCount) {
    auto entry = entryOfItemData(itemData);
    if (!entry)
        return std::nullopt;
    const std::size_t index = static_cast<std::size_t>(entry->index);
    if ((entry->list == kRecentList && index < recentCount) ||
        (entry->list == kFavoritesList && index < favoritesCount))
        return entry;
    return std::nullopt;
}

PointerPosition tabPointerPosition(int menuLeft, int menuTop, int itemLeft, int itemTop, int itemRight,
                                   int itemBottom) {
    return {menuLeft + (itemRight - itemLeft) / 2, menuTop + itemTop + (itemBottom - itemTop) / 2};
}

std::optional<std::wstring> favoriteShortText(std::wstring_view path, bool lastComponentOnly) {
    if (!lastComponentOnly || path == kSeparatorLine || isDriveRoot(path))
        return std::nullopt;
    return fileName(path);
}

namespace {
bool beginsWithDrive(std::wstring_view path) {
    return path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
}
} // namespace

EntryIconSource entryIconSource(std::wstring_view path,
                                const std::function<unsigned(std::wstring_view)>& driveType) {
    if (beginsWithDrive(path)) {
        const unsigned type = driveType(path.substr(0, 3));
        if (type == kDriveUnknown || type == kDriveNoRoot)
            return EntryIconSource::None;
        return type == kDriveRemote ? EntryIconSource::Network : EntryIconSource::Shell;
    }
    if (path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\')
        return EntryIconSource::Network;
    return EntryIconSource::None;
}

int entryTextWidthLimit(int screenWidth) {
    return screenWidth * 2 / 3;
}

std::vector<TrayMenuItem> trayMenuItems(std::uint32_t startType) {
    std::vector<TrayMenuItem> items{
        {kTrayQuit, L"強制終了(&X)"},
        {kTrayAbout, L"About(&A)"},
        {kTraySettings, L"設定(&S)"},
        {kTrayReadMe, L"ReadMe.htm(&R)"},
        {0, L""},
        {kTrayEditLists, L"履歴とお気に入りフォルダ編集(&E)"},
        {kTrayRemoveMissing, L"存在しないフォルダ履歴の削除(&D)"},
    };
    if (startType != 0) {
        items.push_back({0, L""});
        items.push_back({kTrayToggleStartType, startType == 2 ? L"右クリック起動へ(&C)" : L"ダブルクリック起動へ(&C)"});
    }
    return items;
}

std::uint32_t toggledStartType(std::uint32_t startType) {
    return startType == 1 ? 2 : 1;
}

std::wstring verbCommandLine(std::wstring_view installDir) {
    return L"\"" + joinPath(installDir, L"PVNMain.exe") + L"\" %L";
}

} // namespace pvn
