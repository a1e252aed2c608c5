#include "menu/FolderMenu_win.h"

#include "MainResource.h"
#include "menu/MenuItemCode.h"

#include "common/ErrorBox_win.h"
#include "common/Paths.h"
#include "common/ShellIcon_win.h"

namespace pvn {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

bool isHidden(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
}

} // namespace

bool FolderMenu::hasIconSpace(std::size_t index) const {
    const std::int32_t code = m_table.code(index);
    return m_options.folderIcon || code < 0 || (isSubMenuCode(code) && isDriveRoot(m_table.path(index)));
}

LRESULT FolderMenu::onMeasureItem(MEASUREITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || item.itemData >= m_itemTexts.size())
        return FALSE;
    const ItemText& entry = m_itemTexts[item.itemData];
    ScopedGetDC dc(m_window);
    ScopedSelect font(dc.get(),
                      m_font ? static_cast<HGDIOBJ>(m_font.get()) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    // The last character is left out of the measure: the system adds room of its own to
    // owner-drawn items.
    const int length = entry.text.empty() ? 0 : static_cast<int>(entry.text.size()) - 1;
    check(GetTextExtentPoint32W(dc.get(), entry.text.c_str(), length, &size), "GTEP32");
    item.itemWidth = static_cast<UINT>(size.cx + 2);
    if (hasIconSpace(static_cast<std::size_t>(entry.index)))
        item.itemWidth += static_cast<UINT>(m_iconWidth + 2);
    item.itemHeight = static_cast<UINT>(m_itemHeight);
    return TRUE;
}

void FolderMenu::followSelection(const DRAWITEMSTRUCT& item, long index) {
    m_placement.window = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(WindowFromDC(item.hDC)));
    m_placement.left = item.rcItem.left;
    m_placement.top = item.rcItem.top;
    m_placement.right = item.rcItem.right;
    m_placement.bottom = item.rcItem.bottom;
    if (item.itemState & ODS_SELECTED) {
        m_highlighted = index;
        if (isRealItem(codeOf(index), pathOf(index)))
            m_lastSelectable = index;
    } else {
        m_highlighted = -1;
    }
    if (m_options.toolTipOn && m_tooltip) {
        if (m_highlighted < 0)
            m_tooltip->Hide();
        else if (!m_previewing)
            m_tooltip->SetItem(pathOf(index), codeOf(index), m_placement);
    }
    if (sendToTray(makePreviewHideRequest()) == 0)
        showMessage(L"PVNTray.exe が常駐していない！", m_window);
}

HICON FolderMenu::iconFor(std::size_t index, bool selected, bool& whiteText) const {
    const std::int32_t code = m_table.code(index);
    const std::wstring& path = m_table.path(index);
    HICON icon = nullptr;
    bool pathIcon = false;
    if (isSubMenuCode(code)) {
        if (isPseudoPath(path) || (!m_options.folderIcon && !isDriveRoot(path)))
            return nullptr;
        icon = shellSmallIcon(path, selected).release();
        pathIcon = true;
    } else if (code == kCodeInfo) {
        whiteText = true;
        return nullptr;
    } else if (code == kCodeDriveOpen) {
        icon = specialFolderSmallIcon(CSIDL_DRIVES).release();
    } else if (code == kCodeAbout) {
        icon = static_cast<HICON>(LoadImageW(m_context.instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                             m_iconWidth, m_iconHeight, 0));
    } else if (code == kCodeFile || code == kCodeOpen) {
        icon = shellSmallIcon(path).release();
        pathIcon = true;
    }
    if (pathIcon && !isDriveRoot(path) && isHidden(path))
        whiteText = true;
    return icon;
}

LRESULT FolderMenu::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || item.itemData >= m_itemTexts.size())
        return FALSE;
    const ItemText& entry = m_itemTexts[item.itemData];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const int background = selected ? COLOR_HIGHLIGHT : COLOR_MENU;
    COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    if (item.itemAction & ODA_SELECT)
        followSelection(item, entry.index);
    if (m_dragState == 2)
        return TRUE;
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, GetSysColorBrush(background));
    SetBkColor(item.hDC, GetSysColor(background));

    bool whiteText = false;
    const std::size_t index = static_cast<std::size_t>(entry.index);
    if (UniqueIcon icon{iconFor(index, selected, whiteText)}) {
        check(DrawIconEx(item.hDC, r.left + 2, r.top + 1, icon.get(), m_iconWidth, m_iconHeight, 0, nullptr,
                         DI_NORMAL),
              "DrawIconEx");
        check(DestroyIcon(icon.release()), "DestroyIcon");
    }
    if (whiteText)
        text = kWhite;
    ScopedSelect font(item.hDC,
                      m_font ? static_cast<HGDIOBJ>(m_font.get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(item.hDC, text);
    const int x = hasIconSpace(index) ? r.left + m_iconWidth + 4 : r.left + 2;
    const int length = static_cast<int>(entry.text.size());
    check(TextOutW(item.hDC, x, r.top + 1, entry.text.c_str(), length), "TextOut");
    if (m_table.code(index) == kCodeInfo) {
        const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(COLOR_GRAYTEXT));
        TextOutW(item.hDC, x - 1, r.top, entry.text.c_str(), length);
        SetBkMode(item.hDC, oldMode);
    }
    return TRUE;
}

} // namespace pvn
