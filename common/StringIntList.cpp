#include "common/StringIntList.h"

namespace pvn {

int StringIntList::add(std::wstring text, std::int32_t value) {
    const int at = m_strings.add(std::move(text));
    m_values.insert(m_values.begin() + at, value);
    return at;
}

void StringIntList::clear() {
    m_strings.clear();
    m_values.clear();
}

} // namespace pvn
