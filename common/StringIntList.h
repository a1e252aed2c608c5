#pragma once
// Strings with one 32-bit number each; in a sorted list the number moves with its string.
#include "common/StringList.h"

#include <cstdint>

namespace pvn {

class StringIntList {
public:
    explicit StringIntList(bool sorted = false) : m_strings(sorted) {}
    StringIntList(bool sorted, const ITextPlatform& platform) : m_strings(sorted, platform) {}

    // Index at which the pair now stands.
    int add(std::wstring text, std::int32_t value);
    void clear();

    std::size_t size() const { return m_strings.size(); }
    bool empty() const { return m_strings.empty(); }
    const std::wstring& text(std::size_t index) const { return m_strings[index]; }
    std::int32_t value(std::size_t index) const { return m_values[index]; }
    int find(const std::wstring& text) const { return m_strings.find(text); }

private:
    StringList m_strings;
    std::vector<std::int32_t> m_values;
};

} // namespace pvn
