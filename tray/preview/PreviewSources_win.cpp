// The preview kinds beyond text: the image plug-ins' archive listings, media, the built-in bitmap
// reader, the image plug-ins' pictures, the shell's thumbnails and web pages.
#include "tray/preview/PreviewSources_win.h"

#include "tray/preview/BitmapReader.h"
#include "tray/preview/EdgeCut.h"
#include "tray/preview/MediaPlayer_win.h"
#include "tray/preview/PluginHost_win.h"
#include "tray/preview/PreviewUi_win.h"
#include "tray/preview/ShellThumbnail_win.h"
#include "tray/preview/WebHost_win.h"

namespace pvn {
namespace {

// What a shown preview keeps alive until the window lets it go.
template <typename T> struct Live final : LivePreview {
    template <typename... Args> explicit Live(Args&&... args) : value(std::forward<Args>(args)...) {}
    T value;
};

SizeWH box(const PreviewSourceContext& context) {
    return {static_cast<int>(context.settings.ttWidth), static_cast<int>(context.settings.ttHeight)};
}

std::uint64_t sizeLimit(const PreviewSourceContext& context) {
    return std::uint64_t{context.settings.ttFileSize} * 1048576u;
}

} // namespace

std::vector<std::wstring> pluginArchiveListing(const PreviewSourceContext& context) {
    PluginHost host(context.settings.susiePluginDir, false, true);
    std::vector<std::wstring> lines;
    const int found = host.find(context.path);
    if (found < 0 || !host.archiveListing(found, context.settings.ttNumText, lines))
        return {};
    return lines;
}

StepResult startMediaPreview(const PreviewSourceContext& context, std::unique_ptr<LivePreview>& player,
                             std::wstring& status) {
    // The previous player stops before the next one opens.
    player.reset();
    auto media = std::make_unique<Live<MediaPlayer>>(
        context.window, context.path, context.font, box(context),
        [show = context.showSized](SizeWH size) { show(size.width, size.height); });
    try {
        if (!media->value.Start())
            return StepResult::Nothing;
    } catch (const MediaError& error) {
        status = error.text;
        return StepResult::Nothing;
    }
    player = std::move(media);
    return StepResult::Shown;
}

std::optional<Picture> builtInPicture(const PreviewSourceContext& context) {
    OpenResult file = context.openLimited(AccessHint::RandomAccess);
    if (!file.source)
        return std::nullopt;
    WinPreviewUi ui;
    std::optional<Picture> picture =
        readBitmap(*file.source, ui, context.settings.ttWidth, context.settings.ttHeight);
    if (picture && context.settings.ttEdgeCut)
        edgeCut(*picture, kWhiteBorder);
    return picture;
}

std::optional<Picture> pluginPicture(const PreviewSourceContext& context, bool& cancelled) {
    cancelled = false;
    PluginHost host(context.settings.susiePluginDir, true, false);
    const int found = host.find(context.path);
    if (!context.pumpAndTestCancel()) {
        cancelled = true;
        return std::nullopt;
    }
    if (found < 0)
        return std::nullopt;
    std::optional<Picture> picture =
        host.getPicture(found, context.settings.susiePreview, sizeLimit(context));
    if (picture && context.settings.ttEdgeCut)
        edgeCut(*picture, kWhiteBorder);
    return picture;
}

std::optional<Picture> thumbnailPicture(const PreviewSourceContext& context) {
    std::optional<Picture> picture = shellThumbnail(context.window, context.path, box(context));
    if (picture && context.settings.ttEdgeCut)
        edgeCut(*picture, kBlackBorder, false);
    return picture;
}

StepResult startWebPreview(const PreviewSourceContext& context, std::unique_ptr<LivePreview>& host) {
    host.reset();
    const SizeWH size = box(context);
    context.showSized(size.width, size.height);
    auto web = std::make_unique<Live<WebHost>>();
    if (!web->value.Show(context.window, context.path, size.width, size.height))
        return StepResult::Nothing;
    host = std::move(web);
    return StepResult::Shown;
}

} // namespace pvn
