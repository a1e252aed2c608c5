#include "tray/preview/CDataList.h"

namespace pvn {

int CDataList::addCopy(const void* data, std::size_t size) {
    m_offsets.push_back(m_bytes.size());
    const auto* p = static_cast<const std::uint8_t*>(data);
    if (size)
        m_bytes.insert(m_bytes.end(), p, p + size);
    return static_cast<int>(m_offsets.size() - 1);
}

std::span<const std::uint8_t> CDataList::block(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_offsets.size())
        return {};
    const auto i = static_cast<std::size_t>(index);
    const std::size_t end = i + 1 < m_offsets.size() ? m_offsets[i + 1] : m_bytes.size();
    return {m_bytes.data() + m_offsets[i], end - m_offsets[i]};
}

} // namespace pvn
