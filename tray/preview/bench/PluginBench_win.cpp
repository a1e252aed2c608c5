// The image plug-in step for a large file against reading that file once, in one process and one run:
//   PvnPluginBench RUNS PLUGINS FILE SMALL
// Each run, alternating so that a busy moment of the machine falls on every side:
//   read    a bare CreateFileW/ReadFile of FILE whole
//   plugin  the preview's plug-in step for FILE: the plug-ins of PLUGINS loaded, the support test
//           on the first 2 KiB, the picture from the whole file in memory, the plug-ins unloaded
//   small   the same step for SMALL, the same picture from a file of its header alone: what the
//           step costs without the file's bulk (loading, the plug-in's own decoding)
// Prints the medians and the ratios; (plugin - small) / read is the file's reading, in bare reads.
#include "common/Handle_win.h"
#include "tray/preview/PluginHost_win.h"
#include "tray/preview/bench/BenchClock_win.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using pvn::bench::now;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The bytes read; 0 when the file cannot be read.
std::size_t readWhole(const std::wstring& path) {
    pvn::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size))
        return 0;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    const BOOL ok = ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr);
    return ok ? got : 0;
}

// The picture's pixel bytes; 0 when no plug-in gave one.
std::size_t pluginStep(const std::wstring& plugins, const std::wstring& path) {
    pvn::PluginHost host(plugins, true, false);
    const int found = host.find(path);
    const std::optional<pvn::Picture> picture = host.getPicture(found, true, std::uint64_t{64} << 20);
    return picture ? picture->bits.size() : 0;
}

} // namespace

int wmain() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 5)
        return 2;
    const int runs = std::max(1, _wtoi(argv[1]));
    const std::wstring plugins = argv[2], file = argv[3], small = argv[4];
    std::vector<double> read, plugin, smallStep;
    std::size_t bytes = 0, pixels = 0, smallPixels = 0;
    // Once unmeasured, so that the page cache and the plug-in's first load do not fall on one side.
    readWhole(file);
    pluginStep(plugins, file);
    for (int run = 0; run < runs; ++run) {
        double start = now();
        bytes = readWhole(file);
        read.push_back(now() - start);
        start = now();
        pixels = pluginStep(plugins, file);
        plugin.push_back(now() - start);
        start = now();
        smallPixels = pluginStep(plugins, small);
        smallStep.push_back(now() - start);
    }
    LocalFree(argv);
    if (bytes == 0 || pixels == 0 || pixels != smallPixels) {
        std::printf("failed: read %zu bytes, picture %zu bytes, small picture %zu bytes\n", bytes, pixels,
                    smallPixels);
        return 1;
    }
    const double r = median(read), p = median(plugin), s = median(smallStep);
    std::printf("medians of %d runs; file %zu bytes, picture %zu bytes\n", runs, bytes, pixels);
    std::printf("bare read of the whole file:        %8.2f ms\n", r);
    std::printf("plug-in step, the file:             %8.2f ms   ratio to the read %.2f\n", p, p / r);
    std::printf("plug-in step, the header alone:     %8.2f ms   (loading, decoding)\n", s);
    std::printf("the file's share, (step - header):  %8.2f ms   ratio to the read %.2f (goal: about 1, not 2)\n",
                p - s, (p - s) / r);
    return 0;
}
