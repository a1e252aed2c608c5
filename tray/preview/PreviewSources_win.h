#pragma once
// The preview kinds that show more than text: media, pictures (built-in bitmaps, image plug-ins,
// shell thumbnails), the plug-ins' archive listings and web pages. The preview window's build calls
// these functions at its steps 5 and 8 to 12 (see PreviewBuild.h for the order); each one that does
// not apply, or is not there yet, produces nothing and the build goes on with the next step.
//
// What they may rely on:
// - `context.pumpAndTestCancel()` after any message pump: false means a hide or a newer item came,
//   and the step returns StepResult::Cancelled (or sets `cancelled`) at once;
// - `context.openLimited()` opens the file with shared access under the TTFileSize limit, which
//   holds for the bytes actually read (LimitedByteSource);
// - a picture returned is shown by the window: its reported width × height scaled into
//   TTWidth × TTHeight (a thumbnail made at the box size keeps its own), framed, with its caption
//   below; the stretch reads exactly the header's own width × height, and a picture whose info block
//   or pixels hold less than its header says is not shown (the build goes on);
// - media and web pages size and show the window themselves through `context.showSized`, and keep
//   what must live while shown (the player, the browser host) in the LivePreview slot they are
//   given; the window destroys it on the next item, on a hide (media) and at its end.
#include "common/SelectionPlacement.h"
#include "tray/preview/ByteSource.h"
#include "tray/preview/Picture.h"
#include "tray/preview/PreviewBuild.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pvn {

struct PreviewSourceContext {
    const std::wstring& path;
    const std::wstring& extension; // lower case, without the dot
    const PreviewSettings& settings;
    HWND window;                          // the preview window
    const SelectionPlacement& placement;  // where the menu item lies
    HFONT font;                           // the preview font
    int lineHeight;
    std::function<bool()> pumpAndTestCancel;
    std::function<OpenResult(AccessHint)> openLimited;
    // Places the window beside the item at that size, topmost and shown, painted with the
    // background and frame.
    std::function<void(int width, int height)> showSized;
};

// Lives while its preview is shown (the media player, the web browser host).
class LivePreview {
public:
    virtual ~LivePreview() = default;
};

// Step 5 for extensions other than "zip" and "cab": the image plug-ins' archive support. Empty when
// no plug-in took the file.
std::vector<std::wstring> pluginArchiveListing(const PreviewSourceContext& context);
// Step 8: extension in AsMovieExtList. A start that fails sets `status` to the player's message.
StepResult startMediaPreview(const PreviewSourceContext& context, std::unique_ptr<LivePreview>& player,
                             std::wstring& status);
// Step 9: a plain uncompressed bitmap read scaled down to the box (white edges cut with TTEdgeCut).
std::optional<Picture> builtInPicture(const PreviewSourceContext& context);
// Step 10: the image plug-ins of SusiePluginDir; `cancelled` when the pump after the support test
// found the preview cancelled.
std::optional<Picture> pluginPicture(const PreviewSourceContext& context, bool& cancelled);
// Step 11: the shell's thumbnail at the box size (black edges cut with TTEdgeCut), with the caption
// width "x" height "(32bits)縮小版".
std::optional<Picture> thumbnailPicture(const PreviewSourceContext& context);
// Step 12: "htm" and "html", also when the file could not be opened or is too large.
StepResult startWebPreview(const PreviewSourceContext& context, std::unique_ptr<LivePreview>& host);

} // namespace pvn
