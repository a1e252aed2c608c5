#include "menu/MenuItemTable.h"

namespace pvn {

int MenuItemTable::add(std::wstring path, std::int32_t code) {
    if (m_entries.size() == kReservedIndex)
        m_entries.add(std::wstring(), 0);
    return m_entries.add(std::move(path), code);
}

} // namespace pvn
