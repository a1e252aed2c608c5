// The tray's side of the preview window: its creation, request 100, and the font and settings it
// takes again when the settings are reloaded.
#include "tray/FTray_win.h"

#include "common/RequestMessage_win.h"
#include "tray/preview/FPrevTT_win.h"

namespace pvn {
namespace {

PreviewSettings previewSettingsOf(const TraySettings& s) {
    PreviewSettings p;
    p.asTextExtList = s.asTextExtList;
    p.ttNumText = s.ttNumText;
    p.tabNChar = s.tabNChar;
    p.ttWidth = s.ttWidth;
    p.ttHeight = s.ttHeight;
    p.ttFileSize = s.ttFileSize;
    p.ttEdgeCut = s.ttEdgeCut;
    p.asMovieExtList = s.asMovieExtList;
    p.susiePluginDir = s.susiePluginDir;
    p.susiePreview = s.susiePreview;
    return p;
}

} // namespace

void FTray::createPreview() {
    m_preview = std::make_unique<FPrevTT>(GetModuleHandleW(nullptr), m_settings.ttFName,
                                          static_cast<int>(m_settings.ttFPoint10));
    m_preview->create();
    m_preview->setSettings(previewSettingsOf(m_settings));
    m_requests.setHandler(RequestCode::Preview,
                          [this](const TrayRequest& request) { return onPreviewRequest(request); });
}

void FTray::reloadPreview() {
    if (!m_preview)
        return;
    m_preview->setFont(m_settings.ttFName, static_cast<int>(m_settings.ttFPoint10));
    m_preview->setSettings(previewSettingsOf(m_settings));
}

std::intptr_t FTray::onPreviewRequest(const TrayRequest& request) {
    // Posted, not built here: the sender's menu goes on tracking while the preview is made.
    if (request.lParam == 0) {
        PostMessageW(m_preview->window(), requestMessage(), toWParam(RequestCode::PreviewHide), 0);
        return 1;
    }
    if (request.items.empty() || !request.placement)
        return kRefusedRequestAnswer;
    m_items.clear();
    m_items.add(request.items.front());
    m_preview->SetItem(request.items.front(), *request.placement);
    PostMessageW(m_preview->window(), requestMessage(), toWParam(RequestCode::PreviewShow), 0);
    return 1;
}

} // namespace pvn
