#pragma once
// The entries of one owner-drawn folder menu: full paths, the shortened texts shown, and an open and
// a closed icon for each. Measured in the owner window's DC with the menu font.
#include "common/Handle_win.h"
#include "common/StringList.h"

#include <optional>
#include <string>
#include <vector>

namespace pvn {

class FFolderList {
public:
    FFolderList(HWND window, HFONT font);
    ~FFolderList();
    FFolderList(const FFolderList&) = delete;
    FFolderList& operator=(const FFolderList&) = delete;

    // The text is the path shortened to two thirds of the screen, unless one is given.
    int add(const std::wstring& path, const std::optional<std::wstring>& text = std::nullopt);
    // Destroys every icon except the shared network icon.
    void clear();

    // The owner window's DC with the menu font, for measuring.
    HDC dc() const { return m_dc.get(); }
    int count() const { return static_cast<int>(m_paths.size()); }
    bool holds(int index) const { return index >= 0 && index < count(); }
    const std::wstring& path(int index) const { return m_paths[static_cast<std::size_t>(index)]; }
    const std::wstring& text(int index) const { return m_texts[static_cast<std::size_t>(index)]; }
    HICON openIcon(int index) const { return m_openIcons[static_cast<std::size_t>(index)]; }
    HICON closedIcon(int index) const { return m_closedIcons[static_cast<std::size_t>(index)]; }

    // Items with identifiers index + 1; "-" becomes a separator, the rest owner-drawn entries whose
    // item data is list × 1000 + index.
    void fillMenu(HMENU menu, int listNumber) const;

private:
    void destroyIcon(HICON icon);

    ScopedGetDC m_dc;
    std::optional<ScopedSelect> m_font;
    StringList m_paths;
    StringList m_texts;
    std::vector<HICON> m_openIcons;
    std::vector<HICON> m_closedIcons;
};

// One owner-drawn entry as the folder menus draw it: the menu's colours or the highlight's, the icon
// at (left + 2, top + 1) when the entry leaves room for one, then the text.
struct MenuEntryLook {
    HICON icon = nullptr;
    bool iconRoom = false;
    SIZE iconSize{};
};
void drawMenuEntry(const DRAWITEMSTRUCT& item, const MenuEntryLook& look, const std::wstring& text);
// The entry's width for WM_MEASUREITEM: the text in the DC's font, and the icon's room.
int menuEntryWidth(HDC dc, const std::wstring& text, const MenuEntryLook& look);

} // namespace pvn
