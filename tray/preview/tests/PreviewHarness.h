#pragma once
// A reader's surroundings in memory: files by path, and everything the readers would have shown.
#include "common/TextPlatform.h"
#include "tray/preview/MemoryByteSource.h"
#include "tray/preview/PreviewUi.h"

#include <string>
#include <vector>

namespace pvn::test {

struct PreviewHarness {
    MemoryFileSystem files;
    CollectingPreviewUi ui;
    PreviewEnv env{files, textPlatform(), ui};
};

// Shift_JIS bytes of "日本語" and UTF-8 bytes of "日本語".
inline const std::string kSjisNihongo = "\x93\xfa\x96\x7b\x8c\xea";
inline const std::string kUtf8Nihongo = "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e";

} // namespace pvn::test
