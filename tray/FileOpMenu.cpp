#include "tray/FileOpMenu.h"

#include "common/Paths.h"
#include "tray/TrayMenuRules.h"

#include <array>

namespace pvn {
namespace {

constexpr unsigned kFirstListId = kFopShortcutOtherId + 1;
constexpr std::size_t kHeaderNames = 5;

struct Group {
    FopCode code;
    std::array<const wchar_t*, 3> listTexts; // recent, favourites, special
    const wchar_t* otherText;
    unsigned otherId;
};

// In menu order; the list entries are numbered in this order too.
constexpr std::array<Group, 3> kGroups{{
    {FopCode::Copy,
     {L"コピー to 最近開いたフォルダ(&C)", L"コピー to お気に入りフォルダ(&D)", L"コピー to 特別なフォルダ(&E)"},
     L"コピー to その他(&F)",
     kFopCopyOtherId},
    {FopCode::Move,
     {L"移動 to 最近開いたフォルダ(&M)", L"移動 to お気に入りフォルダ(&N)", L"移動 to 特別なフォルダ(&O)"},
     L"移動 to その他(&P)",
     kFopMoveOtherId},
    {FopCode::Shortcut,
     {L"ショートカット to 最近開いたフォルダ(&S)", L"ショートカット to お気に入りフォルダ(&T)",
      L"ショートカット to 特別なフォルダ(&U)"},
     L"ショートカット to その他(&V)",
     kFopShortcutOtherId},
}};

std::array<const std::vector<std::wstring>*, 3> listsOf(const FopSnapshot& snapshot) {
    return {&snapshot.recent, &snapshot.favorites, &snapshot.special};
}

std::size_t totalEntries(const FopSnapshot& snapshot) {
    return snapshot.recent.size() + snapshot.favorites.size() + snapshot.special.size();
}

// A single item gets rename and shortcuts; several only copy and move.
bool groupShown(FopCode code, std::size_t itemCount) {
    return itemCount <= 1 || code != FopCode::Shortcut;
}

FopMenuEntry separator(unsigned id = 0) {
    return {FopEntryKind::Separator, L"", id, 0, {}};
}

std::vector<FopMenuEntry> listSubmenu(const std::vector<std::wstring>& paths, int listNumber, unsigned& nextId) {
    std::vector<FopMenuEntry> entries;
    if (paths.empty()) {
        entries.push_back({FopEntryKind::Greyed, L"(なし)", 0, 0, {}});
        return entries;
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const unsigned id = ++nextId;
        if (paths[i] == kSeparatorLine)
            entries.push_back(separator(id));
        else
            entries.push_back({FopEntryKind::ListEntry, L"", id, entryItemData(listNumber, static_cast<int>(i)), {}});
    }
    return entries;
}

} // namespace

std::optional<FopChoice> decodeFopId(unsigned id, const FopSnapshot& snapshot) {
    switch (id) {
    case kFopRenameId:
        return FopChoice{FopCode::Rename, {}};
    case kFopCopyOtherId:
        return FopChoice{FopCode::Copy, {}};
    case kFopMoveOtherId:
        return FopChoice{FopCode::Move, {}};
    case kFopShortcutOtherId:
        return FopChoice{FopCode::Shortcut, {}};
    default:
        break;
    }
    const std::size_t total = totalEntries(snapshot);
    if (id < kFirstListId || total == 0)
        return std::nullopt;
    const std::size_t offset = id - kFirstListId;
    const std::size_t group = offset / total;
    if (group >= kGroups.size())
        return std::nullopt;
    std::size_t index = offset % total;
    for (const auto* list : listsOf(snapshot)) {
        if (index < list->size()) {
            const std::wstring& path = (*list)[index];
            if (path == kSeparatorLine)
                return std::nullopt;
            return FopChoice{kGroups[group].code, path};
        }
        index -= list->size();
    }
    return std::nullopt;
}

std::wstring fopHeaderText(const std::vector<std::wstring>& items) {
    if (items.size() != 1)
        return std::to_wstring(items.size()) + L"個のファイル・フォルダ";
    // A drive root has no name after its backslash: it shows as itself.
    std::wstring name = fileName(items.front());
    return name.empty() ? items.front() : name;
}

std::vector<std::wstring> fopHeaderLines(const std::vector<std::wstring>& items) {
    std::vector<std::wstring> lines;
    if (items.empty())
        return lines;
    lines.push_back(L"in " + parentFolder(items.front()));
    if (items.size() == 1)
        return lines;
    for (std::size_t i = 0; i < items.size() && i < kHeaderNames; ++i)
        lines.push_back(fileName(items[i]));
    if (items.size() >= kHeaderNames)
        lines.push_back(L"　：");
    return lines;
}

std::vector<FopMenuEntry> buildFopMenu(const FopSnapshot& snapshot) {
    const std::size_t itemCount = snapshot.items.size();
    std::vector<FopMenuEntry> menu;
    FopMenuEntry header{FopEntryKind::Header, fopHeaderText(snapshot.items), 0, kFopHeaderItemData, {}};
    for (auto& line : fopHeaderLines(snapshot.items))
        header.children.push_back({FopEntryKind::Greyed, std::move(line), 0, 0, {}});
    menu.push_back(std::move(header));
    if (itemCount <= 1) {
        menu.push_back(separator());
        menu.push_back({FopEntryKind::Command, L"名前の変更(&A)", kFopRenameId, 0, {}});
    }
    // Where each group's sub-menus stand in the top menu, filled once every group is placed.
    std::array<std::optional<std::size_t>, kGroups.size()> firstSubmenu;
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        if (!groupShown(kGroups[g].code, itemCount))
            continue;
        menu.push_back(separator());
        firstSubmenu[g] = menu.size();
        for (const wchar_t* text : kGroups[g].listTexts)
            menu.push_back({FopEntryKind::Submenu, text, 0, 0, {}});
        menu.push_back({FopEntryKind::Command, kGroups[g].otherText, kGroups[g].otherId, 0, {}});
    }
    // The list entries are numbered after the "その他" identifiers, group by group; an absent
    // group still takes its share, so that an entry's identifier never depends on the groups shown.
    unsigned nextId = kFopShortcutOtherId;
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        if (!firstSubmenu[g]) {
            nextId += static_cast<unsigned>(totalEntries(snapshot));
            continue;
        }
        const auto lists = listsOf(snapshot);
        for (std::size_t l = 0; l < lists.size(); ++l)
            menu[*firstSubmenu[g] + l].children = listSubmenu(*lists[l], static_cast<int>(l) + kRecentList, nextId);
    }
    return menu;
}

} // namespace pvn
