#pragma once
// The file-operation menu without a window: its entries and identifiers, and what a chosen
// identifier means. The identifiers of the list entries follow from the three list sizes alone, so
// a choice is decoded against the lists the menu was built from.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pvn {

// The shell's file-operation selectors, and the shortcut of our own.
enum class FopCode : unsigned { Move = 1, Copy = 2, Rename = 4, Shortcut = 1024 };

inline constexpr unsigned kFopRenameId = 1024;
inline constexpr unsigned kFopCopyOtherId = 1025;
inline constexpr unsigned kFopMoveOtherId = 1026;
inline constexpr unsigned kFopShortcutOtherId = 1027;
// The header's item data: it is list number 0 when divided as the list entries are.
inline constexpr std::intptr_t kFopHeaderItemData = -1;

// What the menu was built from: the items, and the paths of the recent, favourite and special
// lists ("-" is a favourites separator). Kept whole until the chosen operation has run.
struct FopSnapshot {
    std::vector<std::wstring> items;
    std::vector<std::wstring> recent;
    std::vector<std::wstring> favorites;
    std::vector<std::wstring> special;
};

// The operation and its destination folder; no destination for rename and the "その他" entries.
struct FopChoice {
    FopCode code{};
    std::wstring destination;
    friend bool operator==(const FopChoice&, const FopChoice&) = default;
};

// Nothing for an identifier outside the layout ("illegal idCmd"), a separator among them included.
std::optional<FopChoice> decodeFopId(unsigned id, const FopSnapshot& snapshot);

enum class FopEntryKind {
    Header,    // owner-drawn, with the header's sub-menu
    Separator, // between groups (no identifier) or a favourites "-" (with its identifier)
    Command,   // text with an identifier
    Submenu,   // text with a sub-menu
    Greyed,    // disabled text, no identifier
    ListEntry, // owner-drawn folder entry with an identifier and list × 1000 + index
};

struct FopMenuEntry {
    FopEntryKind kind{};
    std::wstring text;
    unsigned id = 0;
    std::intptr_t itemData = 0;
    std::vector<FopMenuEntry> children;
};

// The header entry's text: the item's name, or "N個のファイル・フォルダ".
std::wstring fopHeaderText(const std::vector<std::wstring>& items);
// The greyed lines of the header's sub-menu.
std::vector<std::wstring> fopHeaderLines(const std::vector<std::wstring>& items);

// The whole menu for the snapshot: rename and shortcut only for a single item.
std::vector<FopMenuEntry> buildFopMenu(const FopSnapshot& snapshot);

} // namespace pvn
