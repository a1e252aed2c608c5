#pragma once
// Owned byte blocks kept by index: the extra fields and comments an archive reader keeps. The blocks
// share one growing store, so that keeping a hundred thousand small fields costs no allocation each.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pvn {

class CDataList {
public:
    // Both return the index of the new block.
    int add(std::vector<std::uint8_t>&& block) { return addCopy(block.data(), block.size()); }
    int addCopy(const void* data, std::size_t size);

    std::size_t count() const { return m_offsets.size(); }
    // Valid until the next add. An empty span for an index that holds nothing.
    std::span<const std::uint8_t> block(int index) const;

private:
    std::vector<std::uint8_t> m_bytes;
    std::vector<std::size_t> m_offsets; // where each block starts in m_bytes; it ends where the next starts
};

} // namespace pvn
