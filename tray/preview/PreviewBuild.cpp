#include "tray/preview/PreviewBuild.h"

#include "tray/preview/PreviewKind.h"

namespace pvn {
namespace {

// Steps 2 to 5: the text kinds. Nothing when cancelled; empty lines when none applied.
std::optional<std::vector<std::wstring>> textKinds(IPreviewSteps& steps, std::wstring_view extension,
                                                   const PreviewSettings& settings, std::wstring& status) {
    if (steps.isFolderOrMissing())
        return steps.folderSummary();
    if (extensionInList(extension, settings.asTextExtList) || steps.shiftDown())
        return steps.textPreview();
    if (extension == L"lnk") {
        std::vector<std::wstring> lines = steps.shortcutInfo();
        if (!lines.empty())
            return lines;
        status = kNoShortcutInfo;
    }
    return steps.archiveListing();
}

// Steps 8 to 11: what the file's content can be shown as.
StepResult contentKinds(IPreviewSteps& steps, std::wstring_view extension, const PreviewSettings& settings,
                        std::wstring& status) {
    if (extensionInList(extension, settings.asMovieExtList))
        if (StepResult r = steps.mediaPreview(status); r != StepResult::Nothing)
            return r;
    for (auto step : {&IPreviewSteps::builtInPicture, &IPreviewSteps::pluginPicture, &IPreviewSteps::thumbnail})
        if (StepResult r = (steps.*step)(); r != StepResult::Nothing)
            return r;
    return StepResult::Nothing;
}

// Where a step that shows things itself ends the build; nothing to go on.
std::optional<BuildOutcome> endsBuild(StepResult result) {
    if (result == StepResult::Shown)
        return BuildOutcome::Shown;
    if (result == StepResult::Cancelled)
        return BuildOutcome::Abandoned;
    return std::nullopt;
}

} // namespace

BuildOutcome runPreviewBuild(IPreviewSteps& steps, std::wstring_view extension, const PreviewSettings& settings) {
    std::wstring status = kNoPreview;
    std::optional<std::vector<std::wstring>> lines = textKinds(steps, extension, settings, status);
    if (!lines)
        return BuildOutcome::Abandoned;
    if (!lines->empty()) {
        steps.showLines(std::move(*lines));
        return BuildOutcome::Text;
    }

    std::optional<std::uint64_t> size = steps.openedSize();
    if (!size) {
        status = kOpenError;
    } else if (tooLargeForPreview(*size, settings.ttFileSize)) {
        status = kTooLarge;
    } else if (auto end = endsBuild(contentKinds(steps, extension, settings, status))) {
        return *end;
    }
    // Taken also when the file could not be opened or is too large.
    if (extensionInList(extension, kWebPageExtensions))
        if (auto end = endsBuild(steps.webPage()))
            return *end;
    steps.showLines({status.empty() ? std::wstring(kNoPreview) : status});
    return BuildOutcome::Status;
}

} // namespace pvn
