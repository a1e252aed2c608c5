#pragma once
// The system's list of strings: appended, or kept in lstrcmpW order with equal strings in the
// order they were added. Crosses between programs as a PackedStringBlock.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace pvn {

class ITextPlatform;

class StringList {
public:
    explicit StringList(bool sorted = false);
    StringList(bool sorted, const ITextPlatform& platform);

    // Index at which the string now stands.
    int add(std::wstring text);
    // Last entry equal to the text under lstrcmpiW, or -1.
    int find(const std::wstring& text) const;
    void clear() { m_items.clear(); }

    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    const std::wstring& operator[](std::size_t index) const { return m_items[index]; }
    const std::vector<std::wstring>& items() const { return m_items; }
    bool sorted() const { return m_sorted; }

    // The list as a PackedStringBlock (empty strings cannot travel in one and are left out).
    std::u16string pack() const;
    // Size of that block in bytes.
    std::size_t packedSize() const;
    // Replaces the contents with the strings of a PackedStringBlock up to the first empty one.
    void load(std::span<const std::byte> block);

    // Component by component, case-insensitive; a folder comes before its sub-folders.
    void sortByPath();

private:
    const ITextPlatform* m_platform;
    bool m_sorted;
    std::vector<std::wstring> m_items;
};

} // namespace pvn
