#pragma once
// The readers' cursors, message boxes and error reports, shown for real.
#include "tray/preview/PreviewUi.h"

#include <windows.h>

namespace pvn {

class WinPreviewUi final : public IPreviewUi {
public:
    // Cursors 902, 901 and 903 of `module` (the program's own); the wait cursor stands in for any
    // that the module lacks.
    explicit WinPreviewUi(HINSTANCE module = GetModuleHandleW(nullptr));
    ~WinPreviewUi() override;
    WinPreviewUi(const WinPreviewUi&) = delete;
    WinPreviewUi& operator=(const WinPreviewUi&) = delete;

    void setCursor(ArcCursor cursor) override;
    void showMessage(const std::wstring& text) override;
    void reportFailure(const char* call, std::uint32_t code) override;

private:
    HCURSOR m_cursors[3] = {};
    bool m_owned[3] = {};
};

} // namespace pvn
