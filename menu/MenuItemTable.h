#pragma once
// The folder menu's item table: one path and item code per menu entry, in insertion order. An
// entry's index is its menu command identifier, so the separator's identifier is never handed out.
#include "common/StringIntList.h"

#include <cstdint>
#include <string>

namespace pvn {

class MenuItemTable {
public:
    // Identifier of every ordinary separator; an index equal to it would make a chosen item look
    // like a separator, so that slot is filled with a blank entry instead.
    static constexpr std::size_t kReservedIndex = 0xFFFF;

    int add(std::wstring path, std::int32_t code);
    std::size_t size() const { return m_entries.size(); }
    bool contains(long index) const { return index >= 0 && static_cast<std::size_t>(index) < size(); }
    const std::wstring& path(std::size_t index) const { return m_entries.text(index); }
    std::int32_t code(std::size_t index) const { return m_entries.value(index); }

private:
    StringIntList m_entries;
};

} // namespace pvn
