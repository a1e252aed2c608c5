#include "tray/preview/PreviewUi_win.h"

#include "common/ErrorBox_win.h"

namespace pvn {

WinPreviewUi::WinPreviewUi(HINSTANCE module) {
    static constexpr int kIds[3] = {902, 901, 903};
    for (int i = 0; i < 3; ++i) {
        m_cursors[i] = static_cast<HCURSOR>(LoadImageW(module, MAKEINTRESOURCEW(kIds[i]), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
        m_owned[i] = m_cursors[i] != nullptr;
        if (!m_cursors[i])
            m_cursors[i] = LoadCursorW(nullptr, IDC_WAIT);
    }
}

WinPreviewUi::~WinPreviewUi() {
    for (int i = 0; i < 3; ++i)
        if (m_owned[i])
            DestroyCursor(m_cursors[i]);
}

void WinPreviewUi::setCursor(ArcCursor cursor) {
    if (cursor == ArcCursor::Arrow)
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    else
        SetCursor(m_cursors[static_cast<int>(cursor) - 1]);
}

void WinPreviewUi::showMessage(const std::wstring& text) { pvn::showMessage(text, nullptr); }

void WinPreviewUi::reportFailure(const char* call, std::uint32_t code) {
    pvn::showMessage(formatErrorCode(call, code), nullptr);
}

} // namespace pvn
