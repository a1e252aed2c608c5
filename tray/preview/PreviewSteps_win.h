#pragma once
// The build steps of the preview window, carried out for one item.
#include "tray/preview/PreviewBuild.h"
#include "tray/preview/PreviewSources_win.h"

namespace pvn {

class FPrevTT;

class PreviewSteps final : public IPreviewSteps {
public:
    // `path` is the build's own copy: a newer item may arrive while the build pumps messages.
    PreviewSteps(FPrevTT& window, const std::wstring& path, const std::wstring& extension);

    bool isFolderOrMissing() override;
    bool shiftDown() override;
    std::optional<std::vector<std::wstring>> folderSummary() override;
    std::vector<std::wstring> textPreview() override;
    std::vector<std::wstring> shortcutInfo() override;
    std::vector<std::wstring> archiveListing() override;
    std::optional<std::uint64_t> openedSize() override;
    StepResult mediaPreview(std::wstring& status) override;
    StepResult builtInPicture() override;
    StepResult pluginPicture() override;
    StepResult thumbnail() override;
    StepResult webPage() override;
    void showLines(std::vector<std::wstring> lines) override;

private:
    StepResult show(std::optional<Picture> picture);

    FPrevTT& m_window;
    const std::wstring& m_path;
    const std::wstring& m_extension;
    PreviewSourceContext m_context;
};

} // namespace pvn
