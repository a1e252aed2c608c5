#include "common/PathSort.h"

#include "common/TextPlatform.h"

namespace pvn {

int comparePaths(const std::wstring& a, const std::wstring& b, const ITextPlatform& platform) {
    std::size_t pa = 0;
    std::size_t pb = 0;
    for (;;) {
        const bool aDone = pa > a.size();
        const bool bDone = pb > b.size();
        if (aDone || bDone)
            return aDone == bDone ? 0 : (aDone ? -1 : 1);
        std::size_t ea = a.find(L'\\', pa);
        std::size_t eb = b.find(L'\\', pb);
        if (ea == std::wstring::npos)
            ea = a.size();
        if (eb == std::wstring::npos)
            eb = b.size();
        const int c = platform.compareNoCase(a.substr(pa, ea - pa), b.substr(pb, eb - pb));
        if (c != 0)
            return c;
        pa = ea + 1;
        pb = eb + 1;
    }
}

void sortPaths(std::vector<std::wstring>& paths, const ITextPlatform& platform) {
    gapHalvingSort(paths, [&platform](const std::wstring& x, const std::wstring& y) {
        return comparePaths(x, y, platform) > 0;
    });
}

} // namespace pvn
