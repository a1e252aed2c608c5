#include "tray/preview/PreviewSteps_win.h"

#include "common/FileTimeText_win.h"
#include "common/ShortenPath_win.h"
#include "tray/preview/ArchivePreview.h"
#include "tray/preview/FPrevTT_win.h"
#include "tray/preview/FolderLister_win.h"
#include "tray/preview/LimitedByteSource.h"
#include "tray/preview/PreviewKind.h"
#include "tray/preview/ShortcutReader_win.h"
#include "tray/preview/TextPreview.h"

namespace pvn {
namespace {

std::wstring fileTimeOf(std::uint64_t value) {
    FILETIME t{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
    return fileTimeText(t);
}

} // namespace

PreviewSteps::PreviewSteps(FPrevTT& window, const std::wstring& path, const std::wstring& extension)
    : m_window(window), m_path(path), m_extension(extension),
      m_context{path,
                extension,
                window.settings(),
                window.window(),
                window.currentPlacement(),
                window.previewFont(),
                window.textLineHeight(),
                [&window] { return window.pumpAndTestCancel(); },
                [&window, &path](AccessHint hint) {
                    OpenResult file = window.readerEnv().files.openRead(path, hint);
                    if (file.source)
                        file.source = std::make_unique<LimitedByteSource>(
                            std::move(file.source), fileSizeLimit(window.settings().ttFileSize));
                    return file;
                },
                [&window](int width, int height) { window.showSized(width, height); }} {}

bool PreviewSteps::isFolderOrMissing() {
    // A path that no longer exists reads as all bits set, and so as an (empty) folder.
    return (GetFileAttributesW(m_path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool PreviewSteps::shiftDown() { return GetAsyncKeyState(VK_SHIFT) < 0; }

std::optional<std::vector<std::wstring>> PreviewSteps::folderSummary() {
    QuietDriveErrors quiet(m_path);
    Win32FolderLister lister;
    FolderSummary summary;
    if (!summariseFolder(lister, m_path, [this] { return m_window.pumpAndTestCancel(); }, summary))
        return std::nullopt;
    return folderSummaryLines(summary, m_path, fileTimeOf);
}

std::vector<std::wstring> PreviewSteps::textPreview() {
    std::vector<std::wstring> lines;
    const PreviewSettings& s = m_window.settings();
    pvn::textPreview(m_window.readerEnv(), m_path, {s.ttNumText, s.tabNChar}, lines);
    return lines;
}

std::vector<std::wstring> PreviewSteps::shortcutInfo() {
    std::optional<ShortcutFields> fields = readShortcut(m_path);
    if (!fields)
        return {};
    const int width = GetSystemMetrics(SM_CXSCREEN) / 3;
    HDC dc = m_window.deviceContext();
    return shortcutInfoLines(*fields, [dc, width](const std::wstring& path) { return shortenPathToWidth(path, dc, width); });
}

std::vector<std::wstring> PreviewSteps::archiveListing() {
    std::vector<std::wstring> lines;
    if (archivePreview(m_window.readerEnv(), m_path, m_window.settings().ttNumText, lines))
        return lines;
    return pluginArchiveListing(m_context);
}

std::optional<std::uint64_t> PreviewSteps::openedSize() {
    OpenResult file = m_window.readerEnv().files.openRead(m_path, AccessHint::SequentialScan);
    std::uint64_t size = 0;
    if (!file.source || file.source->size(size) != 0)
        return std::nullopt;
    return size;
}

StepResult PreviewSteps::mediaPreview(std::wstring& status) {
    return startMediaPreview(m_context, m_window.mediaSlot(), status);
}

StepResult PreviewSteps::builtInPicture() { return show(pvn::builtInPicture(m_context)); }

StepResult PreviewSteps::pluginPicture() {
    bool cancelled = false;
    std::optional<Picture> picture = pvn::pluginPicture(m_context, cancelled);
    if (cancelled || m_window.cancelled())
        return StepResult::Cancelled;
    return show(std::move(picture));
}

StepResult PreviewSteps::thumbnail() { return show(thumbnailPicture(m_context)); }

StepResult PreviewSteps::webPage() { return startWebPreview(m_context, m_window.webSlot()); }

void PreviewSteps::showLines(std::vector<std::wstring> lines) { m_window.showText(std::move(lines)); }

StepResult PreviewSteps::show(std::optional<Picture> picture) {
    if (!picture)
        return StepResult::Nothing;
    return m_window.showPicture(std::move(*picture)) ? StepResult::Shown : StepResult::Nothing;
}

} // namespace pvn
