#pragma once
// Owned byte blocks kept by index: the extra fields and comments an archive reader keeps.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pvn {

class CDataList {
public:
    // Both return the index of the new block.
    int add(std::vector<std::uint8_t>&& block);
    int addCopy(const void* data, std::size_t size);

    std::size_t count() const { return m_blocks.size(); }
    // An empty span for an index that holds nothing.
    std::span<const std::uint8_t> block(int index) const;

private:
    std::vector<std::vector<std::uint8_t>> m_blocks;
};

} // namespace pvn
