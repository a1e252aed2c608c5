#include "tray/FFolderList_win.h"

#include "common/CriticalErrorMode_win.h"
#include "common/ErrorBox_win.h"
#include "common/ShellIcon_win.h"
#include "common/ShortenPath_win.h"
#include "tray/NetworkIcon_win.h"
#include "tray/TrayMenuRules.h"

#include <shellapi.h>

namespace pvn {
namespace {

constexpr std::size_t kIconGrowth = 100;

} // namespace

FFolderList::FFolderList(HWND window, HFONT font) : m_dc(window) {
    if (m_dc.get() && font)
        m_font.emplace(m_dc.get(), font);
    m_openIcons.reserve(kIconGrowth);
    m_closedIcons.reserve(kIconGrowth);
}

FFolderList::~FFolderList() {
    clear();
    m_font.reset();
}

int FFolderList::add(const std::wstring& path, const std::optional<std::wstring>& text) {
    HICON open = nullptr, closed = nullptr;
    {
        CriticalErrorsOff quiet;
        switch (entryIconSource(path, [](std::wstring_view root) {
                    return GetDriveTypeW(std::wstring(root).c_str());
                })) {
        case EntryIconSource::Network:
            open = closed = networkIcon();
            break;
        case EntryIconSource::Shell:
            open = shellSmallIcon(path, true).release();
            closed = shellSmallIcon(path).release();
            break;
        case EntryIconSource::None:
            break;
        }
    }
    if (m_openIcons.size() == m_openIcons.capacity()) {
        m_openIcons.reserve(m_openIcons.size() + kIconGrowth);
        m_closedIcons.reserve(m_closedIcons.size() + kIconGrowth);
    }
    m_paths.add(path);
    m_texts.add(text ? *text
                     : shortenPathToWidth(path, m_dc.get(), entryTextWidthLimit(GetSystemMetrics(SM_CXSCREEN))));
    m_openIcons.push_back(open);
    m_closedIcons.push_back(closed);
    return count() - 1;
}

void FFolderList::destroyIcon(HICON icon) {
    if (icon && icon != networkIcon())
        DestroyIcon(icon);
}

void FFolderList::clear() {
    for (HICON icon : m_openIcons)
        destroyIcon(icon);
    for (HICON icon : m_closedIcons)
        destroyIcon(icon);
    m_openIcons.clear();
    m_closedIcons.clear();
    m_paths.clear();
    m_texts.clear();
}

void FFolderList::fillMenu(HMENU menu, int listNumber) const {
    for (int i = 0; i < count(); ++i) {
        const UINT id = static_cast<UINT>(i + 1);
        if (path(i) == kSeparatorLine) {
            MENUITEMINFOW item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE | MIIM_ID;
            item.fType = MFT_SEPARATOR;
            item.wID = id;
            check(InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &item), "InsertMenuItem");
            continue;
        }
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
        item.fType = MFT_OWNERDRAW;
        item.wID = id;
        item.dwItemData = static_cast<ULONG_PTR>(entryItemData(listNumber, i));
        check(InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &item), "InsertMenuItem");
    }
}

void drawMenuEntry(const DRAWITEMSTRUCT& item, const MenuEntryLook& look, const std::wstring& text) {
    const bool highlighted = (item.itemState & ODS_SELECTED) != 0;
    const int textColour = highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT;
    const int backColour = highlighted ? COLOR_HIGHLIGHT : COLOR_MENU;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(backColour));
    SetBkColor(item.hDC, GetSysColor(backColour));
    SetTextColor(item.hDC, GetSysColor(textColour));
    int x = item.rcItem.left + 2;
    const int y = item.rcItem.top + 1;
    if (look.iconRoom) {
        if (look.icon)
            DrawIconEx(item.hDC, x, y, look.icon, look.iconSize.cx, look.iconSize.cy, 0, nullptr, DI_NORMAL);
        x += look.iconSize.cx + 2;
    }
    TextOutW(item.hDC, x, y, text.c_str(), static_cast<int>(text.size()));
}

int menuEntryWidth(HDC dc, const std::wstring& text, const MenuEntryLook& look) {
    SIZE extent{};
    if (dc)
        check(GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent), "GTEP32");
    return extent.cx + 2 + (look.iconRoom ? look.iconSize.cx + 2 : 0);
}

} // namespace pvn
