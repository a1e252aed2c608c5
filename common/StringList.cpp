#include "common/StringList.h"

#include "common/PathSort.h"
#include "common/TextPlatform.h"

#include <algorithm>

namespace pvn {
namespace {

void appendUtf16(std::vector<std::uint16_t>& out, const std::wstring& text) {
    for (wchar_t c : text) {
        const auto cp = static_cast<std::uint32_t>(c);
        if (cp > 0xFFFF && cp <= 0x10FFFF) {
            out.push_back(static_cast<std::uint16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<std::uint16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<std::uint16_t>(cp));
        }
    }
}

std::wstring fromUtf16(const std::uint16_t* units, std::size_t count) {
    std::wstring out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t u = units[i];
        if constexpr (sizeof(wchar_t) == 4) {
            if (u >= 0xD800 && u < 0xDC00 && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
                out.push_back(static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00)));
                ++i;
                continue;
            }
        }
        out.push_back(static_cast<wchar_t>(u));
    }
    return out;
}

} // namespace

StringList::StringList(bool sorted) : StringList(sorted, textPlatform()) {}

StringList::StringList(bool sorted, const ITextPlatform& platform) : m_platform(&platform), m_sorted(sorted) {}

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

std::vector<std::uint16_t> StringList::pack() const {
    std::vector<std::uint16_t> block;
    for (const auto& item : m_items) {
        appendUtf16(block, item);
        block.push_back(0);
    }
    block.push_back(0);
    return block;
}

std::size_t StringList::packedSize() const { return pack().size() * sizeof(std::uint16_t); }

void StringList::load(const std::uint16_t* units, std::size_t count) {
    m_items.clear();
    std::size_t start = 0;
    while (start < count) {
        std::size_t end = start;
        while (end < count && units[end] != 0)
            ++end;
        if (end == start)
            break;
        add(fromUtf16(units + start, end - start));
        start = end + 1;
    }
}

void StringList::sortByPath() { sortPaths(m_items, *m_platform); }

} // namespace pvn
