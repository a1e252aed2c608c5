#pragma once
// The dialog helpers of every page and dialog of PVNSet: icons, control fonts, tooltips, radio
// groups, texts, and static texts drawn in a colour of their own.
#include "common/Handle_win.h"
#include "common/WindowThunk_win.h"

#include <string>
#include <string_view>
#include <vector>

namespace pvn {

inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kDarkRed = RGB(128, 0, 0);
inline constexpr COLORREF kGreen = RGB(0, 128, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr int kTooltipShowTime = 5000;

class CWinLib : public DialogBase {
public:
    ~CWinLib() override = default;
    HWND window() const { return m_dialog; }

protected:
    CWinLib() = default;

    // Icon resource n at the small-icon size, sent as the window's small icon; the caller keeps it.
    UniqueIcon setSmallIcon(int iconId);
    // -(points × LOGPIXELSY / 72), character set 128; a face name of 32 characters or more gives no
    // font. Assigned to the control when one is named.
    UniqueFont createControlFont(const wchar_t* faceName, int points, int controlId = 0);
    // A tooltip on the control (by handle, sub-classed), as wide as the widest of its lines; the
    // tooltip window, for a caller that changes the text later (null on failure).
    HWND addTooltip(int controlId, std::wstring_view text, int autoPopMs = kTooltipShowTime);
    // Group box g with n buttons g+1..g+n: the index of the first checked one, or -1.
    int radioGroupGet(int groupId, int count) const;
    // Checks button g+1+index; an index outside 0..n-1 unchecks all n.
    void radioGroupSet(int groupId, int count, int index);
    std::wstring listItemText(int listId, int index) const;
    std::wstring controlText(int controlId) const;
    HWND item(int controlId) const { return GetDlgItem(m_dialog, controlId); }

    // Static control drawn in its own colour; answered by handleColor.
    void setTextColor(int controlId, COLORREF color);
    // WM_CTLCOLORSTATIC for the coloured statics: their brush, or FALSE for the others.
    INT_PTR handleColor(WPARAM dc, LPARAM control);

private:
    struct ColoredText {
        int id;
        COLORREF color;
    };
    std::vector<ColoredText> m_colors;
};

} // namespace pvn
