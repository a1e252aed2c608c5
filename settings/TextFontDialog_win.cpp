#include "settings/TextFontDialog_win.h"

#include "common/Handle_win.h"

#include <commdlg.h>
#include <dlgs.h>

namespace pvn {
namespace {

UINT_PTR CALLBACK fontHook(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        EnableWindow(GetDlgItem(dialog, cmb2), FALSE);
        return TRUE;
    }
    return 0;
}

} // namespace

std::optional<TextFont> chooseTextFont(HWND owner, const TextFont& current) {
    LOGFONTW font{};
    {
        ScopedGetDC screen(nullptr);
        // Tenths of a point at the screen's resolution, as a character height.
        font.lfHeight = -static_cast<LONG>(static_cast<long long>(current.point10) *
                                           GetDeviceCaps(screen.get(), LOGPIXELSY) / 720);
    }
    font.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(font.lfFaceName, current.face.c_str(), LF_FACESIZE);

    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_FORCEFONTEXIST | CF_FIXEDPITCHONLY | CF_NOVERTFONTS |
                   CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    choose.lpfnHook = fontHook;
    if (!ChooseFontW(&choose))
        return std::nullopt;
    return TextFont{font.lfFaceName, static_cast<std::uint32_t>(choose.iPointSize)};
}

} // namespace pvn
