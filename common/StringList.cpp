#include "common/StringList.h"

#include "common/PackedStringBlock.h"
#include "common/PathSort.h"
#include "common/TextPlatform.h"

#include <algorithm>

namespace pvn {

StringList::StringList(bool sorted) : StringList(sorted, textPlatform()) {}

StringList::StringList(bool sorted, const ITextPlatform& platform)
    : m_platform(&platform), m_sorted(sorted) {}

int StringList::add(std::wstring text) {
    auto at = m_items.end();
    if (m_sorted) {
        at = std::partition_point(m_items.begin(), m_items.end(), [this, &text](const std::wstring& item) {
            return m_platform->compare(item, text) <= 0;
        });
    }
    at = m_items.insert(at, std::move(text));
    return static_cast<int>(at - m_items.begin());
}

int StringList::find(const std::wstring& text) const {
    for (std::size_t i = m_items.size(); i-- > 0;) {
        if (m_platform->compareNoCase(m_items[i], text) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::u16string StringList::pack() const {
    return encodePackedStrings(m_items);
}

std::size_t StringList::packedSize() const {
    return pack().size() * sizeof(char16_t);
}

void StringList::load(std::span<const std::byte> block) {
    m_items.clear();
    for (auto& text : decodePackedStrings(block).strings)
        add(std::move(text));
}

void StringList::sortByPath() {
    sortPaths(m_items, *m_platform);
}

} // namespace pvn
