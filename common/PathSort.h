#pragma once
// The order of folder lists shown to the user: component by component, case-insensitive, a folder
// before its sub-folders.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace pvn {

class ITextPlatform;

// Negative, zero or positive; components (text up to the next backslash) compared with lstrcmpiW.
int comparePaths(const std::wstring& a, const std::wstring& b, const ITextPlatform& platform);

void sortPaths(std::vector<std::wstring>& paths, const ITextPlatform& platform);

// Gap-halving exchange sort. It is not stable: paths that compare equal (differing only in case)
// end where its exchanges leave them, and the lists are shown in exactly that order.
// A stage cannot need more passes than its longest chain has elements plus one; the cap only
// matters for a comparison that is not a consistent order, which would otherwise never settle.
template <typename T, typename Greater> void gapHalvingSort(std::vector<T>& items, Greater greater) {
    const std::size_t n = items.size();
    for (std::size_t gap = n / 2; gap > 0; gap /= 2) {
        const std::size_t maxPasses = (n + gap - 1) / gap + 1;
        bool swapped = true;
        for (std::size_t pass = 0; swapped && pass < maxPasses; ++pass) {
            swapped = false;
            for (std::size_t i = 0; i + gap < n; ++i) {
                if (greater(items[i], items[i + gap])) {
                    std::swap(items[i], items[i + gap]);
                    swapped = true;
                }
            }
        }
    }
}

} // namespace pvn
