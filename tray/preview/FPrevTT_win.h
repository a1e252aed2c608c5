#pragma once
// The preview window of the tray: beside the highlighted item of a folder menu, a few lines of text,
// an archive listing, a folder summary, shortcut information, a picture, media or a web page.
// PVNMain asks through the tray (request 100); the tray stores the item here (SetItem) and posts the
// show request (101) or the hide request (102) to this window, so that the menu goes on tracking
// while the preview is built.
//
// The kinds are tried in the order of PreviewBuild.h. The picture, media and web-page kinds are the
// functions of PreviewSources_win.h; what they return is shown here (showPicture), or they show
// themselves at a size of their own (showSized) and live in the slots that Clear empties.
#include "menu/tooltip/FMenuTTObj_win.h"
#include "tray/preview/BuildGate.h"
#include "tray/preview/PreviewBuild.h"
#include "tray/preview/PreviewContext_win.h"
#include "tray/preview/PreviewSources_win.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pvn {

class FPrevTT final : public FMenuTTObj {
public:
    FPrevTT(HINSTANCE instance, const std::wstring& faceName, int pointTenths);
    ~FPrevTT() override;

    // The tray's preview settings, at start and after every reload.
    void setSettings(const PreviewSettings& settings) { m_settings = settings; }
    const PreviewSettings& settings() const { return m_settings; }

    // Hides the window (timers stopped), clears what the last preview left, keeps the item.
    void SetItem(const std::wstring& path, const SelectionPlacement& placement);
    void SetItem(const std::wstring& path, int code, const SelectionPlacement& placement) override;
    // Takes "PVNMESSAGE" 101 (build now) and 102 (cancel, end the media, hide without stopping the
    // timers); WM_DISPLAYCHANGE reads the monitors again.
    bool FilterMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Ends the media player and the web page host.
    void Clear() override;
    void Build() override;

    const std::wstring& path() const { return m_path; }
    const SelectionPlacement& currentPlacement() const { return placement(); }
    HDC deviceContext() const { return dc(); }
    HFONT previewFont() const { return font(); }
    int textLineHeight() const { return lineHeight(); }

    // For the build steps.
    bool pumpAndTestCancel();
    bool cancelled() const { return m_gate.cancelled(); }
    void showText(std::vector<std::wstring> lines);
    // False, showing nothing, for a picture whose pixels are shorter than its header says.
    bool showPicture(Picture picture);
    void showSized(int width, int height);
    const PreviewEnv& readerEnv() const { return m_readers.env; }
    std::unique_ptr<LivePreview>& mediaSlot() { return m_media; }
    std::unique_ptr<LivePreview>& webSlot() { return m_web; }

protected:
    // The lines, or the picture with its caption, on the ground and frame of the base.
    void paint(HDC target) const override;

private:
    void parkKeepingTimers();
    void paintPicture(HDC target) const;

    UINT m_requestMessage = 0;
    std::wstring m_path;
    PreviewSettings m_settings;
    BuildGate m_gate;
    Win32PreviewContext m_readers;
    std::optional<Picture> m_picture;
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
    std::unique_ptr<LivePreview> m_media;
    std::unique_ptr<LivePreview> m_web;
};

} // namespace pvn
