// The ZIP reader and its listing step over arbitrary bytes.
#include "tray/preview/ArchivePreview.h"
#include "tray/preview/CZipFileEnum.h"
#include "tray/preview/MemoryByteSource.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pvn;
    MemoryFileSystem files;
    files.add(L"f.zip", std::vector<std::uint8_t>(data, data + size));
    CollectingPreviewUi ui;
    PreviewEnv env{files, textPlatform(), ui};
    bool failed = false;
    {
        CZipFileEnum zip(env, L"f.zip", true);
        failed = !zip.errorText().empty();
        std::vector<std::wstring> all;
        zip.listEntries(all);
        if (all.size() != zip.names().size() || zip.names().size() != zip.records().size())
            std::abort();
        for (const ZipEntryRecord& r : zip.records())
            for (int index : {r.centralExtra, r.comment, r.localExtra})
                if (index >= static_cast<int>(zip.data().count()))
                    std::abort();
    }
    // The error text, and only it, is shown when the reader goes away.
    if (ui.messages.size() != (failed ? 1u : 0u))
        std::abort();
    std::vector<std::wstring> lines;
    archivePreview(env, L"f.zip", 5, lines);
    if (lines.empty() || lines.size() > 6)
        std::abort();
    return 0;
}
