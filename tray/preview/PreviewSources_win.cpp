// Until the picture, media and web-page readers are built, these steps produce nothing, so that the
// build falls through to the status line exactly as it does for a file no reader takes.
#include "tray/preview/PreviewSources_win.h"

namespace pvn {

std::vector<std::wstring> pluginArchiveListing(const PreviewSourceContext&) { return {}; }

StepResult startMediaPreview(const PreviewSourceContext&, std::unique_ptr<LivePreview>&, std::wstring&) {
    return StepResult::Nothing;
}

std::optional<Picture> builtInPicture(const PreviewSourceContext&) { return std::nullopt; }

std::optional<Picture> pluginPicture(const PreviewSourceContext&, bool& cancelled) {
    cancelled = false;
    return std::nullopt;
}

std::optional<Picture> thumbnailPicture(const PreviewSourceContext&) { return std::nullopt; }

StepResult startWebPreview(const PreviewSourceContext&, std::unique_ptr<LivePreview>&) {
    return StepResult::Nothing;
}

} // namespace pvn
