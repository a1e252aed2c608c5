// Times the built-in bitmap reader's reduced reading of a large bitmap against reading the same file
// whole, in the same run (best of N wall times, page cache warm for both).
//   picture_bench FILE.bmp [RUNS]
#include "tray/preview/BitmapReader.h"
#include "tray/preview/PosixByteSource.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

template <typename F>
double bestOf(int runs, F&& f) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    const std::string arg = argv[1];
    const std::wstring path(arg.begin(), arg.end());
    pvn::PosixFileSystem files;
    pvn::CollectingPreviewUi ui;
    std::uint32_t g = 0;
    std::size_t pixels = 0;
    const double reduced = bestOf(runs, [&] {
        pvn::OpenResult file = files.openRead(path, pvn::AccessHint::RandomAccess);
        const auto layout = pvn::inspectBitmap(*file.source);
        g = layout ? pvn::bitmapReduction(*layout, 500, 500) : 0;
        const auto picture = pvn::readBitmap(*file.source, ui, 500, 500);
        pixels = picture ? picture->bits.size() : 0;
    });
    std::size_t total = 0;
    const double whole = bestOf(runs, [&] {
        pvn::OpenResult file = files.openRead(path, pvn::AccessHint::SequentialScan);
        std::vector<std::uint8_t> buffer(1 << 20);
        std::size_t got = 0;
        total = 0;
        while (file.source->read(buffer.data(), buffer.size(), got) == 0 && got > 0)
            total += got;
    });
    std::printf("file %zu bytes, G = %u, reduced picture %zu bytes\n", total, g, pixels);
    std::printf("reduced reading (box 500 x 500): %.4f s\n", reduced);
    std::printf("whole file read:                 %.4f s\n", whole);
    std::printf("ratio reduced / whole:           %.3f (goal: at most 1/G = %.3f plus a constant)\n",
                reduced / whole, g ? 1.0 / g : 0.0);
    return pixels == 0;
}
