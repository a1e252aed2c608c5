// The cabinet reader and its listing step over arbitrary bytes.
#include "tray/preview/ArchivePreview.h"
#include "tray/preview/CCabFileEnum.h"
#include "tray/preview/MemoryByteSource.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pvn;
    MemoryFileSystem files;
    files.add(L"f.cab", std::vector<std::uint8_t>(data, data + size));
    CollectingPreviewUi ui;
    PreviewEnv env{files, textPlatform(), ui};
    {
        CCabFileEnum cab(env, L"f.cab", true);
        std::vector<std::wstring> all;
        cab.listEntries(all);
        if (all.size() < cab.names().size() || cab.names().size() != cab.records().size())
            std::abort();
        std::vector<std::wstring> some;
        cab.listEntries(some, 3);
        if (some.size() > 3 || !std::equal(some.begin(), some.end(), all.begin()))
            std::abort();
    }
    std::vector<std::wstring> lines;
    archivePreview(env, L"f.cab", 5, lines);
    if (lines.empty() || lines.size() > 6)
        std::abort();
    return 0;
}
