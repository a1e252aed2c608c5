#pragma once
// The shell's thumbnail of a file (IExtractImage), as a 32-bit picture of the bitmap's own size.
#include "tray/preview/MediaLayout.h"
#include "tray/preview/Picture.h"

#include <windows.h>

#include <optional>
#include <string>

namespace pvn {

// "<width>x<height>(32bits)縮小版".
std::wstring thumbnailCaption(int width, int height);

// Null when the shell has no extractor for the file or extraction fails; failures of the namespace
// calls are reported by the common error box.
std::optional<Picture> shellThumbnail(HWND owner, const std::wstring& path, SizeWH box);

} // namespace pvn
