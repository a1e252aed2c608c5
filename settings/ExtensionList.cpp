#include "settings/ExtensionList.h"

#include <algorithm>

namespace pvn {

void ExtensionList::assignStored(std::wstring_view stored) {
    m_entries.clear();
    std::wstring clean = normalizeExtensionList(stored, m_lower);
    std::size_t start = 0;
    for (std::size_t end; (end = clean.find(L';', start)) != std::wstring::npos; start = end + 1)
        m_entries.push_back(clean.substr(start, end - start));
}

ExtensionList::AddResult ExtensionList::add(std::wstring_view typed) {
    if (typed.empty())
        return AddResult::Empty;
    std::wstring entry = m_lower(typed);
    // Every entry is already lower case, so this is the list box's case-insensitive exact search.
    if (std::find(m_entries.begin(), m_entries.end(), entry) != m_entries.end())
        return AddResult::Duplicate;
    m_entries.push_back(std::move(entry));
    return AddResult::Added;
}

void ExtensionList::remove(std::size_t index) {
    if (index < m_entries.size())
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
}

std::wstring ExtensionList::joined() const {
    std::wstring out;
    for (const std::wstring& entry : m_entries)
        out += entry + L';';
    return out;
}

} // namespace pvn
