#include "tray/preview/SortedNames.h"

#include <algorithm>
#include <numeric>

namespace pvn {

// A bottom-up merge sort: every index stays within its run whatever the comparator answers, which
// std::stable_sort does not promise when the order is not a strict weak one.
std::vector<std::size_t> insertionOrder(const ITextPlatform& text, const std::vector<std::wstring>& names) {
    const std::size_t n = names.size();
    std::vector<std::size_t> a(n), b(n);
    std::iota(a.begin(), a.end(), std::size_t{0});
    for (std::size_t width = 1; width < n; width *= 2) {
        for (std::size_t lo = 0; lo < n; lo += 2 * width) {
            std::size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
            std::size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi)
                b[k++] = text.compare(names[a[j]], names[a[i]]) < 0 ? a[j++] : a[i++];
            while (i < mid)
                b[k++] = a[i++];
            while (j < hi)
                b[k++] = a[j++];
        }
        a.swap(b);
    }
    return a;
}

} // namespace pvn
