#pragma once
// The extension lists of the preview pages: the entries a list box shows, added lower-cased and
// refused when already there in any letter case, stored joined with each entry followed by ";".
#include "common/SettingsValues.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

class ExtensionList {
public:
    enum class AddResult { Added, Duplicate, Empty };

    explicit ExtensionList(LowerCaseFn lower) : m_lower(lower) {}

    // The stored text split at each ";" (text after the last one dropped), lower-cased.
    void assignStored(std::wstring_view stored);
    AddResult add(std::wstring_view typed);
    // An index outside the list changes nothing.
    void remove(std::size_t index);
    std::wstring joined() const;

    const std::vector<std::wstring>& entries() const { return m_entries; }

private:
    LowerCaseFn m_lower;
    std::vector<std::wstring> m_entries;
};

} // namespace pvn
