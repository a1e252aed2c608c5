#pragma once
// What the preview window hands its readers in the program: Win32 files, the real cursors and
// boxes, and the process-wide text services.
#include "tray/preview/PreviewUi_win.h"
#include "tray/preview/Win32ByteSource_win.h"

namespace pvn {

struct Win32PreviewContext {
    Win32FileSystem files;
    WinPreviewUi ui;
    PreviewEnv env{files, textPlatform(), ui};
};

} // namespace pvn
