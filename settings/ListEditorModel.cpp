#include "settings/ListEditorModel.h"

#include "common/RecentCompaction.h"
#include "common/TextPlatform.h"

#include <algorithm>

namespace pvn {
namespace {

wchar_t lowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
wchar_t upperAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

} // namespace

RecentButtons recentButtonStates(std::size_t selectedCount) {
    return {selectedCount == 1, selectedCount >= 1, selectedCount >= 1};
}

FavoriteButtons favoriteButtonStates(std::optional<std::size_t> selected, std::size_t count) {
    if (!selected || *selected >= count)
        return {};
    return {*selected > 0, *selected + 1 < count, true, true, true};
}

std::wstring lowerFirst(std::wstring text) {
    if (!text.empty())
        text[0] = lowerAscii(text[0]);
    return text;
}

ListEditorModel::ListEditorModel(ListEditorInput input, const ITextPlatform& platform)
    : m_platform(platform), m_input(std::move(input)), m_favorites(m_input.favorites) {
    for (auto line = m_input.recent.rbegin(); line != m_input.recent.rend(); ++line) {
        std::wstring item = lowerFirst(*line);
        if (!item.empty() && std::find(m_newestFirst.begin(), m_newestFirst.end(), item) == m_newestFirst.end())
            m_newestFirst.push_back(std::move(item));
    }
    m_recentItems = recentMenuOrder(m_newestFirst, m_input.recentSortType, m_platform);
}

std::optional<std::size_t> ListEditorModel::newestRecentIndex() const {
    if (m_newestFirst.empty())
        return std::nullopt;
    const auto it = std::find(m_recentItems.begin(), m_recentItems.end(), m_newestFirst.front());
    if (it == m_recentItems.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - m_recentItems.begin());
}

void ListEditorModel::removeFromHistory(std::vector<std::size_t> indexes) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (auto index = indexes.rbegin(); index != indexes.rend(); ++index) {
        if (*index >= m_recentItems.size())
            continue;
        std::wstring removed = std::move(m_recentItems[*index]);
        m_recentItems.erase(m_recentItems.begin() + static_cast<std::ptrdiff_t>(*index));
        std::erase(m_newestFirst, removed);
        m_removed.push_back(std::move(removed));
    }
}

bool ListEditorModel::isRemoved(const std::wstring& line) const {
    if (line.empty())
        return false;
    std::wstring lower = line, upper = line;
    lower[0] = lowerAscii(lower[0]);
    upper[0] = upperAscii(upper[0]);
    return std::any_of(m_removed.begin(), m_removed.end(),
                       [&](const std::wstring& r) { return r == lower || r == upper; });
}

void ListEditorModel::selectFavorite(std::optional<std::size_t> index) {
    m_favoriteSelection = index && *index < m_favorites.size() ? index : std::nullopt;
}

bool ListEditorModel::isListed(const std::wstring& folder) const {
    return std::any_of(m_favorites.begin(), m_favorites.end(),
                       [&](const std::wstring& f) { return m_platform.compareNoCase(f, folder) == 0; });
}

void ListEditorModel::insertFavorite(std::wstring text) {
    const std::size_t at = m_favoriteSelection.value_or(m_favorites.size());
    m_favorites.insert(m_favorites.begin() + static_cast<std::ptrdiff_t>(at), std::move(text));
    m_favoriteSelection = at;
}

bool ListEditorModel::addRecentToFavorites(const std::vector<std::size_t>& indexes) {
    for (std::size_t index : indexes) {
        if (index >= m_recentItems.size())
            continue;
        if (isListed(m_recentItems[index]))
            return false;
        insertFavorite(m_recentItems[index]);
    }
    return true;
}

bool ListEditorModel::addFolder(const std::wstring& folder) {
    std::wstring entry = lowerFirst(folder);
    if (entry.empty() || isListed(entry))
        return false;
    insertFavorite(std::move(entry));
    return true;
}

void ListEditorModel::moveSelectedUp() {
    if (!m_favoriteSelection || *m_favoriteSelection == 0)
        return;
    const std::size_t at = *m_favoriteSelection;
    std::swap(m_favorites[at - 1], m_favorites[at]);
    m_favoriteSelection = at - 1;
}

void ListEditorModel::moveSelectedDown() {
    if (!m_favoriteSelection || *m_favoriteSelection + 1 >= m_favorites.size())
        return;
    const std::size_t at = *m_favoriteSelection;
    std::swap(m_favorites[at], m_favorites[at + 1]);
    m_favoriteSelection = at + 1;
}

void ListEditorModel::removeSelectedFavorite() {
    if (!m_favoriteSelection)
        return;
    m_favorites.erase(m_favorites.begin() + static_cast<std::ptrdiff_t>(*m_favoriteSelection));
    m_favoriteSelection.reset();
}

void ListEditorModel::addSeparator() {
    if (!m_favoriteSelection)
        return;
    const std::size_t at = *m_favoriteSelection;
    m_favorites.insert(m_favorites.begin() + static_cast<std::ptrdiff_t>(at), kFavoriteSeparator);
    m_favoriteSelection = at + 1;
}

std::optional<std::vector<std::wstring>>
ListEditorModel::recentToWrite(const std::vector<std::wstring>& fileNow) const {
    if (m_removed.empty() || !m_input.recentWritable)
        return std::nullopt;
    std::vector<std::wstring> kept;
    for (const auto& line : fileNow)
        if (!isRemoved(line))
            kept.push_back(line);
    return kept;
}

std::optional<std::vector<std::wstring>> ListEditorModel::favoritesToWrite() const {
    if (!m_input.favoritesWritable || m_favorites == m_input.favorites)
        return std::nullopt;
    return m_favorites;
}

} // namespace pvn
