#include "settings/CWinLib_win.h"

#include "common/ErrorBox_win.h"

#include <commctrl.h>

namespace pvn {

UniqueIcon CWinLib::setSmallIcon(int iconId) {
    UniqueIcon icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    if (icon)
        SendMessageW(m_dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
    return icon;
}

UniqueFont CWinLib::createControlFont(const wchar_t* faceName, int points, int controlId) {
    LOGFONTW font{};
    if (wcslen(faceName) >= LF_FACESIZE)
        return UniqueFont{};
    {
        ScopedGetDC dc(m_dialog);
        font.lfHeight = -MulDiv(points, GetDeviceCaps(dc.get(), LOGPIXELSY), 72);
    }
    font.lfCharSet = SHIFTJIS_CHARSET;
    wcscpy_s(font.lfFaceName, faceName);
    UniqueFont created(CreateFontIndirectW(&font));
    if (!created)
        reportLastError("CreateFontIndirect");
    else if (controlId)
        SendDlgItemMessageW(m_dialog, controlId, WM_SETFONT, reinterpret_cast<WPARAM>(created.get()), TRUE);
    return created;
}

HWND CWinLib::addTooltip(int controlId, std::wstring_view text, int autoPopMs) {
    HWND control = item(controlId);
    if (!control)
        return nullptr;
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_dialog, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!tip) {
        reportLastError("CreateWindow tooltips");
        return nullptr;
    }
    std::wstring shown = text.empty() ? std::wstring(L" ") : std::wstring(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = shown.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));

    // Lines wrap only where the text breaks them.
    int widest = 0;
    {
        ScopedGetDC dc(tip);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(tip, WM_GETFONT, 0, 0));
        ScopedSelect select(dc.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = shown.find(L'\n', start);
            const std::wstring_view line = std::wstring_view(shown).substr(start, end - start);
            SIZE size{};
            if (GetTextExtentPoint32W(dc.get(), line.data(), static_cast<int>(line.size()), &size) && size.cx > widest)
                widest = size.cx;
            if (end == std::wstring::npos)
                break;
            start = end + 1;
        }
    }
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, widest);
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(autoPopMs, 0));
    return tip;
}

int CWinLib::radioGroupGet(int groupId, int count) const {
    for (int i = 0; i < count; ++i)
        if (IsDlgButtonChecked(m_dialog, groupId + 1 + i) == BST_CHECKED)
            return i;
    return -1;
}

void CWinLib::radioGroupSet(int groupId, int count, int index) {
    for (int i = 0; i < count; ++i)
        CheckDlgButton(m_dialog, groupId + 1 + i, i == index ? BST_CHECKED : BST_UNCHECKED);
}

std::wstring CWinLib::listItemText(int listId, int index) const {
    const LRESULT length = SendDlgItemMessageW(m_dialog, listId, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got =
        SendDlgItemMessageW(m_dialog, listId, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

std::wstring CWinLib::controlText(int controlId) const {
    HWND control = item(controlId);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

void CWinLib::setTextColor(int controlId, COLORREF color) {
    m_colors.push_back({controlId, color});
}

INT_PTR CWinLib::handleColor(WPARAM dc, LPARAM control) {
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(control));
    for (const ColoredText& c : m_colors) {
        if (c.id != id)
            continue;
        SetTextColor(reinterpret_cast<HDC>(dc), c.color);
        SetBkMode(reinterpret_cast<HDC>(dc), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return FALSE;
}

} // namespace pvn
