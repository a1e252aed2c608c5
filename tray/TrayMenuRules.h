#pragma once
// The decisions behind the tray's menus that need no window: which menu a click on the icon
// opens, how entries are numbered, what a favourite shows, and the tray's own menu.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

enum class IconClickAction { RecentMenu, FavoritesMenu, LastFolder };

// Ctrl wins over Shift; `favoritesSwapped` is the setting Favorites.
IconClickAction iconClickAction(bool ctrlDown, bool shiftDown, bool favoritesSwapped);

// Owner-drawn entries carry list number × 1000 + index: 1 recent, 2 favourites, 3 special folders.
inline constexpr int kRecentList = 1;
inline constexpr int kFavoritesList = 2;
inline constexpr int kSpecialList = 3;
inline constexpr int kEntriesPerList = 1000;

struct EntryRef {
    int list = 0;
    int index = 0;
    friend bool operator==(const EntryRef&, const EntryRef&) = default;
};

std::intptr_t entryItemData(int list, int index);
// Nothing for a negative value or an index a list could not hold.
std::optional<EntryRef> entryOfItemData(std::intptr_t itemData);

// The entry a right click or Tab hands to the folder menu: only one of the recent or favourites
// list, and only an index that list holds now (the record may outlive the menu that made it).
std::optional<EntryRef> actionableEntry(std::intptr_t itemData, std::size_t recentCount, std::size_t favoritesCount);

// Where Tab puts the pointer so that the folder menu opens on the entry: half the item's width in
// from the menu window's left, the item's vertical middle.
struct PointerPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const PointerPosition&, const PointerPosition&) = default;
};
PointerPosition tabPointerPosition(int menuLeft, int menuTop, int itemLeft, int itemTop, int itemRight,
                                   int itemBottom);

inline constexpr wchar_t kSeparatorLine[] = L"-";

// With FavFName a favourite shows its last path component, except a drive root and the separator
// line; nothing means the shortened full path.
std::optional<std::wstring> favoriteShortText(std::wstring_view path, bool lastComponentOnly);

// Where an entry's icons come from.
enum class EntryIconSource { None, Network, Shell };
// Drive types as GetDriveTypeW gives them.
inline constexpr unsigned kDriveUnknown = 0;
inline constexpr unsigned kDriveNoRoot = 1;
inline constexpr unsigned kDriveRemote = 4;
// `driveType` is asked about "x:\" only for paths that begin with a drive.
EntryIconSource entryIconSource(std::wstring_view path, const std::function<unsigned(std::wstring_view)>& driveType);

// The widest an entry's text may be: two thirds of the screen.
int entryTextWidthLimit(int screenWidth);

// The tray icon's own menu.
struct TrayMenuItem {
    unsigned id = 0; // 0: separator
    std::wstring text;
    friend bool operator==(const TrayMenuItem&, const TrayMenuItem&) = default;
};

enum TrayMenuCommand : unsigned {
    kTrayQuit = 1,
    kTrayAbout = 2,
    kTraySettings = 3,
    kTrayReadMe = 4,
    kTrayEditLists = 5,
    kTrayRemoveMissing = 6,
    kTrayToggleStartType = 7,
};

// The start-type entry and its separator exist only while a shell verb is registered (1 or 2).
std::vector<TrayMenuItem> trayMenuItems(std::uint32_t startType);
// 2 after 1, else 1.
std::uint32_t toggledStartType(std::uint32_t startType);

inline constexpr wchar_t kVerbName[] = L"Parvane";
inline constexpr wchar_t kVerbText[] = L"Parvane(&A)";
// "<InstallDir>\PVNMain.exe" %L, quoted; a drive root gets no second backslash.
std::wstring verbCommandLine(std::wstring_view installDir);

} // namespace pvn
