// Lists archives the way the preview does, for timing against other listers; and times the sorted
// insertion into arrays against the merge sort that replaced it.
//   preview_bench zip FILE | cab FILE     every name on stdout, in UTF-8
//   preview_bench sort N                  both orders of N shuffled names, seconds each
#include "tray/preview/CCabFileEnum.h"
#include "tray/preview/CZipFileEnum.h"
#include "tray/preview/PosixByteSource.h"
#include "tray/preview/SortedNames.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

int list(pvn::CArcFile& reader) {
    if (!reader.errorText().empty()) {
        std::fprintf(stderr, "%s\n", pvn::pathToUtf8(reader.errorText()).c_str());
        return 1;
    }
    std::vector<std::wstring> names;
    reader.listEntries(names);
    static char buf[1 << 16];
    std::setvbuf(stdout, buf, _IOFBF, sizeof buf);
    for (const std::wstring& n : names) {
        std::string s = pvn::pathToUtf8(n);
        s += '\n';
        std::fwrite(s.data(), 1, s.size(), stdout);
    }
    return 0;
}

// The order an array with sorted insertion gives: each name after all that compare less or equal.
std::vector<std::wstring> arrayInsertion(const pvn::ITextPlatform& text, const std::vector<std::wstring>& names) {
    std::vector<std::wstring> sorted;
    for (const std::wstring& n : names) {
        auto at = std::upper_bound(sorted.begin(), sorted.end(), n,
                                   [&](const std::wstring& a, const std::wstring& b) { return text.compare(a, b) < 0; });
        sorted.insert(at, n);
    }
    return sorted;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    pvn::PosixFileSystem files;
    pvn::CollectingPreviewUi ui;
    pvn::PreviewEnv env{files, pvn::textPlatform(), ui};
    std::string arg = argv[2];
    std::wstring path(arg.begin(), arg.end());
    if (!std::strcmp(argv[1], "zip")) {
        pvn::CZipFileEnum zip(env, path, true);
        return list(zip);
    }
    if (!std::strcmp(argv[1], "cab")) {
        pvn::CCabFileEnum cab(env, path, true);
        return list(cab);
    }
    if (!std::strcmp(argv[1], "sort")) {
        const std::size_t n = std::stoul(arg);
        std::vector<std::wstring> names;
        for (std::size_t i = 0; i < n; ++i)
            names.push_back(L"dir" + std::to_wstring(i % 997) + L"/file" + std::to_wstring(i) + L".txt");
        std::shuffle(names.begin(), names.end(), std::mt19937(1));
        using clock = std::chrono::steady_clock;
        auto t0 = clock::now();
        auto a = arrayInsertion(pvn::textPlatform(), names);
        auto t1 = clock::now();
        auto order = pvn::insertionOrder(pvn::textPlatform(), names);
        auto t2 = clock::now();
        for (std::size_t i = 0; i < n; ++i)
            if (names[order[i]] != a[i])
                return 3;
        std::printf("%.6f %.6f\n", std::chrono::duration<double>(t1 - t0).count(),
                    std::chrono::duration<double>(t2 - t1).count());
        return 0;
    }
    return 2;
}
