#pragma once
// The editor of the recent and favourite folder lists without its dialog: what the two list boxes
// show, which buttons are enabled, what each command does to the lists and what OK writes.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pvn {

class ITextPlatform;

inline constexpr wchar_t kFavoriteSeparator[] = L"-";
inline constexpr wchar_t kAlreadyListed[] = L"既に登録されています";

struct RecentButtons {
    bool showWhole = false;
    bool removeFromHistory = false;
    bool addToFavorites = false;
    friend bool operator==(const RecentButtons&, const RecentButtons&) = default;
};
RecentButtons recentButtonStates(std::size_t selectedCount);

struct FavoriteButtons {
    bool up = false;
    bool down = false;
    bool showWhole = false;
    bool remove = false;
    bool separator = false;
    friend bool operator==(const FavoriteButtons&, const FavoriteButtons&) = default;
};
FavoriteButtons favoriteButtonStates(std::optional<std::size_t> selected, std::size_t count);

// The path with its first character lower-cased (A-Z only: drive letters).
std::wstring lowerFirst(std::wstring text);

struct ListEditorInput {
    std::vector<std::wstring> recent; // file order, oldest first
    // False when the file exists but could not be read: it is then never written.
    bool recentWritable = true;
    std::vector<std::wstring> favorites;
    bool favoritesWritable = true;
    int recentSortType = 1; // RecentSortType
};

class ListEditorModel {
public:
    ListEditorModel(ListEditorInput input, const ITextPlatform& platform);

    // The recent list box: distinct folders, first character lower-cased, in RecentSortType order.
    const std::vector<std::wstring>& recentItems() const { return m_recentItems; }
    // The newest folder's place in the list box; nothing for an empty list.
    std::optional<std::size_t> newestRecentIndex() const;
    // Removes the items at the list-box indexes, and from the history every line equal to one of
    // them with its first character in either case.
    void removeFromHistory(std::vector<std::size_t> indexes);

    const std::vector<std::wstring>& favorites() const { return m_favorites; }
    std::optional<std::size_t> favoriteSelection() const { return m_favoriteSelection; }
    void selectFavorite(std::optional<std::size_t> index);

    // Each recent item at the indexes, in that order, goes before the selected favourite (at the end
    // without one) and becomes the selection. Stops at the first one already listed (no case):
    // false, and the ones before it stay added.
    bool addRecentToFavorites(const std::vector<std::size_t>& indexes);
    // A folder chosen in the browser: first character lower-cased; false when already listed.
    bool addFolder(const std::wstring& folder);
    void moveSelectedUp();
    void moveSelectedDown();
    void removeSelectedFavorite();
    // A separator line before the selected favourite, which stays selected.
    void addSeparator();

    // What OK writes. The recent file is reread at OK (`fileNow`) and only the removed folders are
    // taken out of it, so that folders other programs appended meanwhile survive; nothing when
    // nothing was removed or the file must not be written.
    std::optional<std::vector<std::wstring>> recentToWrite(const std::vector<std::wstring>& fileNow) const;
    // Nothing when the list is as it was read, or the file must not be written.
    std::optional<std::vector<std::wstring>> favoritesToWrite() const;

private:
    bool isRemoved(const std::wstring& line) const;
    bool isListed(const std::wstring& folder) const;
    void insertFavorite(std::wstring text);

    const ITextPlatform& m_platform;
    ListEditorInput m_input;
    std::vector<std::wstring> m_newestFirst;
    std::vector<std::wstring> m_recentItems;
    std::vector<std::wstring> m_removed;
    std::vector<std::wstring> m_favorites;
    std::optional<std::size_t> m_favoriteSelection;
};

} // namespace pvn
