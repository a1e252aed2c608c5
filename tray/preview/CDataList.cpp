#include "tray/preview/CDataList.h"

namespace pvn {

int CDataList::add(std::vector<std::uint8_t>&& block) {
    m_blocks.push_back(std::move(block));
    return static_cast<int>(m_blocks.size() - 1);
}

int CDataList::addCopy(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    return add(std::vector<std::uint8_t>(p, p + size));
}

std::span<const std::uint8_t> CDataList::block(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_blocks.size())
        return {};
    return m_blocks[static_cast<std::size_t>(index)];
}

} // namespace pvn
