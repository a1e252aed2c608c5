#include "menu/FolderListing.h"

#include "common/Paths.h"
#include "common/TextPlatform.h"

#include <algorithm>
#include <cstdio>

namespace pvn {

SortOrder sortOrderFromSetting(unsigned value) {
    switch (value) {
    case 1:
        return SortOrder::Newest;
    case 2:
        return SortOrder::Extension;
    default:
        return SortOrder::Name;
    }
}

std::wstring newestFirstKey(const LocalStamp& t) {
    wchar_t text[64];
    std::swprintf(text, std::size(text), L"%04d/%02d/%02d %02d:%02d:%02d.%03d", 9999 - t.year, 12 - t.month,
                  31 - t.day, 24 - t.hour, 60 - t.minute, 60 - t.second, 999 - t.milliseconds);
    return text;
}

std::wstring sortKey(SortOrder order, const std::wstring& path, bool folder, const LocalStamp& modified,
                     LowerCase lower) {
    switch (order) {
    case SortOrder::Newest:
        return newestFirstKey(modified);
    case SortOrder::Extension: {
        if (folder)
            return path;
        // The dot must lie in the file name: a dot in a parent folder's name is no extension.
        const std::wstring name = fileName(path);
        const std::size_t dot = name.rfind(L'.');
        if (dot == std::wstring::npos)
            return path;
        return lower(std::wstring_view(name).substr(dot + 1)) + L' ' + path;
    }
    case SortOrder::Name:
        break;
    }
    return path;
}

void FolderListing::add(std::wstring path, bool folder, std::wstring key) {
    (folder ? m_folders : m_files).push_back({std::move(key), std::move(path)});
}

namespace {

template <typename Entry>
std::vector<std::wstring> pathsByCollation(std::vector<Entry>& entries,
                                           const FolderListing::CollationKey& collationKey) {
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        keys.emplace_back(collationKey(entries[i].key), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::wstring> paths;
    paths.reserve(entries.size());
    for (const auto& key : keys)
        paths.push_back(std::move(entries[key.second].path));
    return paths;
}

} // namespace

FolderContents FolderListing::sortedByCollation(const CollationKey& collationKey) && {
    FolderContents out;
    out.folders = pathsByCollation(m_folders, collationKey);
    out.files = pathsByCollation(m_files, collationKey);
    return out;
}

FolderContents FolderListing::sorted(const ITextPlatform& platform) && {
    auto order = [&platform](const Entry& a, const Entry& b) { return platform.compare(a.key, b.key) < 0; };
    std::stable_sort(m_folders.begin(), m_folders.end(), order);
    std::stable_sort(m_files.begin(), m_files.end(), order);
    FolderContents out;
    out.folders.reserve(m_folders.size());
    out.files.reserve(m_files.size());
    for (Entry& e : m_folders)
        out.folders.push_back(std::move(e.path));
    for (Entry& e : m_files)
        out.files.push_back(std::move(e.path));
    return out;
}

} // namespace pvn
