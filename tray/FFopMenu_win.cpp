// The file-operation menu: its three folder lists, the header, and the tracking.
#include "tray/FFopWin_win.h"

#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/MessagePump_win.h"
#include "common/MonitorTable_win.h"
#include "common/Paths_win.h"
#include "common/RecentCompaction.h"
#include "common/RequestMessage_win.h"
#include "common/TextPlatform.h"
#include "tray/FTray_win.h"
#include "tray/FileOpRules.h"
#include "common/Foreground_win.h"
#include "tray/RecentFolders_win.h"
#include "tray/TrayMenuRules.h"
#include "tray/res/TrayResource.h"

#include <shellapi.h>
#include <shlobj.h>

namespace pvn {
namespace {

constexpr bool kProgramIs64Bit = sizeof(void*) == 8;

// A missing list file is no fault here: its sub-menus show that there is nothing.
std::vector<std::wstring> readList(const std::optional<std::wstring>& path) {
    return path && pathExists(*path) ? readListFile(*path) : std::vector<std::wstring>{};
}

bool insertItem(HMENU menu, MENUITEMINFOW& item) {
    item.cbSize = sizeof item;
    return check(InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item), "InsertMenuItem");
}

} // namespace

void FFopWin::fillRecent(FopSnapshot& snapshot) {
    m_recent->clear();
    const MonitorTable monitors;
    const std::vector<std::wstring> shown = shownRecentFolders(
        readList(recentListPath()), m_tray.settings(), monitors.monitorHeightAtCursor(), m_entryHeight);
    for (const auto& path :
         recentMenuOrder(shown, static_cast<int>(m_tray.settings().recentSortType), textPlatform())) {
        m_recent->add(path);
        snapshot.recent.push_back(path);
    }
}

void FFopWin::fillFavorites(FopSnapshot& snapshot) {
    m_favorites->clear();
    for (const auto& line : readList(favoritesListPath())) {
        m_favorites->add(line, favoriteShortText(line, m_tray.settings().favFName));
        snapshot.favorites.push_back(line);
    }
}

void FFopWin::fillSpecial(FopSnapshot& snapshot) {
    m_special->clear();
    for (const auto& folder : specialFolderEntries(kProgramIs64Bit, runningUnderWow64())) {
        const auto path = specialFolderPath(folder.csidl);
        if (!path)
            continue;
        // The entry keeps the real system folder's icon; operations go through "sysnative".
        m_special->add(*path, std::wstring(folder.text));
        const bool native = folder.csidl == CSIDL_SYSTEM && !m_nativeSystem.empty();
        snapshot.special.push_back(native ? m_nativeSystem : *path);
    }
}

FopSnapshot FFopWin::fillLists(std::vector<std::wstring> items) {
    FopSnapshot snapshot;
    snapshot.items = std::move(items);
    fillRecent(snapshot);
    fillFavorites(snapshot);
    fillSpecial(snapshot);
    return snapshot;
}

void FFopWin::makeHeader(const std::vector<std::wstring>& items) {
    m_headerText = fopHeaderText(items);
    m_headerIcon.reset();
    if (items.size() == 1) {
        SHFILEINFOW info{};
        if (SHGetFileInfoW(items.front().c_str(), 0, &info, sizeof info,
                           SHGFI_ICON | SHGFI_SHELLICONSIZE | SHGFI_SMALLICON))
            m_headerIcon.reset(info.hIcon);
        return;
    }
    m_headerIcon.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_FILES), IMAGE_ICON, 16, 16, 0)));
}

// Each sub-menu is owned until it is attached; the top menu then destroys them all with it.
UniqueMenu FFopWin::buildMenu(const std::vector<FopMenuEntry>& entries) {
    UniqueMenu menu(CreatePopupMenu());
    if (!check(menu.get() != nullptr, "CreatePopupMenu"))
        return menu;
    for (const auto& entry : entries) {
        MENUITEMINFOW item{};
        UniqueMenu submenu;
        switch (entry.kind) {
        case FopEntryKind::Header:
        case FopEntryKind::ListEntry:
            item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
            item.fType = MFT_OWNERDRAW;
            item.dwItemData = static_cast<ULONG_PTR>(entry.itemData);
            break;
        case FopEntryKind::Separator:
            item.fMask = MIIM_FTYPE | MIIM_ID;
            item.fType = MFT_SEPARATOR;
            break;
        case FopEntryKind::Greyed:
            item.fMask = MIIM_STRING | MIIM_STATE | MIIM_ID;
            item.fState = MFS_DISABLED;
            break;
        case FopEntryKind::Command:
        case FopEntryKind::Submenu:
            item.fMask = MIIM_STRING | MIIM_ID;
            break;
        }
        item.wID = entry.id;
        if (item.fMask & MIIM_STRING)
            item.dwTypeData = const_cast<wchar_t*>(entry.text.c_str());
        if (entry.kind == FopEntryKind::Header || entry.kind == FopEntryKind::Submenu) {
            submenu = buildMenu(entry.children);
            item.fMask |= MIIM_SUBMENU;
            item.hSubMenu = submenu.get();
        }
        if (insertItem(menu.get(), item))
            submenu.release();
    }
    return menu;
}

void FFopWin::showMenu(std::vector<std::wstring> items) {
    // One menu at a time: a second would refill the lists the first one draws from.
    if (!m_window || m_menuShowing || items.empty())
        return;
    m_menuShowing = true;
    FopSnapshot snapshot = fillLists(std::move(items));
    makeHeader(snapshot.items);
    UniqueMenu menu = buildMenu(buildFopMenu(snapshot));
    POINT cursor{};
    check(GetCursorPos(&cursor), "GetCursorPos");
    SetWindowPos(m_window, nullptr, cursor.x, cursor.y, 1, 1, SWP_NOZORDER | SWP_NOACTIVATE);
    dispatchPendingMessages();
    forceForeground(m_window);
    // Only a positive result is an identifier: Wine answers an Escape that leaves a menu whose
    // highlighted entry opens a sub-menu with a negative number.
    const int chosen =
        TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, m_window, nullptr);
    if (chosen > 0) {
        m_pending = Pending{std::move(snapshot), static_cast<unsigned>(chosen)};
        PostMessageW(m_window, m_requestMessage, toWParam(RequestCode::FileOperation), static_cast<LPARAM>(chosen));
    }
    check(DestroyMenu(menu.release()), "DestroyMenu");
    m_headerIcon.reset();
    EndMenu();
    m_menuShowing = false;
}

} // namespace pvn
