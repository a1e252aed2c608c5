// The window procedure of "PVNTRAYWINCLASS" and the request table behind "PVNMESSAGE".
#include "tray/FTray_win.h"

#include "common/ErrorBox_win.h"
#include "common/TrayReceiver_win.h"
#include "common/Foreground_win.h"
#include "tray/MenuInputHooks_win.h"
#include "tray/TrayMenuRules.h"

namespace pvn {

LRESULT FTray::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Registered ids are 0 until registered (command-line runs never register them).
    if (m_iconMessage && message == m_iconMessage)
        return wParam == 1 ? onIconMessage(lParam) : 1;
    if (m_requestMessage && message == m_requestMessage)
        return onRequest(wParam, lParam);
    if (m_taskbarMessage && message == m_taskbarMessage) {
        // Explorer restarted: its new notification area knows nothing of the icon.
        Shell_NotifyIconW(NIM_DELETE, &m_iconRecord);
        m_iconAdded = Shell_NotifyIconW(NIM_ADD, &m_iconRecord);
        return 1;
    }
    switch (message) {
    case kRunSelfRequests:
        runSelfRequests();
        return 0;
    case kMenuEntryInput:
        onMenuEntryInput();
        return 0;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    case WM_QUERYENDSESSION:
        if (m_settings.qes)
            PostMessageW(m_window, WM_CLOSE, 0, 0);
        return 1;
    case WM_MEASUREITEM:
        return onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
        return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            return 0;
        break;
    case WM_MENUCHAR:
        return onMenuChar(wParam);
    case WM_MENURBUTTONUP:
        return actOnHighlightedEntry();
    case WM_ENTERMENULOOP:
        if (m_cancelNextMenu) {
            PostMessageW(m_window, WM_CANCELMODE, 0, 0);
            m_cancelNextMenu = false;
            return 1;
        }
        return 0;
    case WM_HOTKEY:
        return onHotKey(wParam);
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT FTray::onIconMessage(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP: {
        if (m_leftClickBusy)
            return 0;
        m_leftClickBusy = true;
        // The keys as they were at the click, before joining another thread's input.
        const bool ctrl = GetAsyncKeyState(VK_CONTROL) < 0;
        const bool shift = GetAsyncKeyState(VK_SHIFT) < 0;
        forceForeground(m_window);
        switch (iconClickAction(ctrl, shift, m_settings.favorites)) {
        case IconClickAction::LastFolder:
            lastFolder(false);
            break;
        case IconClickAction::FavoritesMenu:
            favoritesMenu(false);
            break;
        case IconClickAction::RecentMenu:
            recentMenu(false);
            break;
        }
        m_leftClickBusy = false;
        return 1;
    }
    case WM_RBUTTONUP:
        forceForeground(m_window);
        trayMenu();
        return 1;
    default:
        return 1;
    }
}

LRESULT FTray::onRequest(WPARAM code, LPARAM lParam) {
    // The section is read only for codes the tray takes from other programs; the request is
    // then a copy and the sender's section is closed again.
    const RequestRoute* route = findRequestRoute(static_cast<unsigned>(code));
    std::optional<TrayRequest> request;
    if (route && route->source == RequestSource::OtherProgram)
        request = receiveTrayRequest(code, lParam);
    return m_requests.dispatch(static_cast<unsigned>(code), RequestSource::OtherProgram, request);
}

void FTray::runSelfRequests() {
    while (!m_selfRequests.empty()) {
        auto [code, lParam] = m_selfRequests.front();
        m_selfRequests.pop_front();
        TrayRequest request;
        request.code = code;
        request.lParam = lParam;
        m_requests.dispatch(toWParam(code), RequestSource::TrayItself, request);
    }
}

void FTray::installHandlers() {
    m_requests.setHandler(RequestCode::PresenceTest, [this](const TrayRequest&) -> std::intptr_t {
        return m_resident ? 1 : 0;
    });
    m_requests.setHandler(RequestCode::FileOperationItems, [this](const TrayRequest& request) -> std::intptr_t {
        setItems(request.items);
        postToSelf(RequestCode::RunFileOperationMenu, 0);
        return 1;
    });
    m_requests.setHandler(RequestCode::ReloadSettings, [this](const TrayRequest&) -> std::intptr_t {
        loadSettings();
        reloadPreview();
        return 1;
    });
    m_requests.setHandler(RequestCode::HotKeys, [this](const TrayRequest& request) -> std::intptr_t {
        if (request.lParam != 0)
            registerHotKeys();
        else
            unregisterHotKeys();
        return 1;
    });
}

const FFolderList* FTray::listOf(int listNumber) const {
    if (listNumber == kRecentList)
        return m_recent.get();
    if (listNumber == kFavoritesList)
        return m_favorites.get();
    return nullptr;
}

LRESULT FTray::onMeasureItem(MEASUREITEMSTRUCT& item) {
    std::wstring text = L"FTray::OnMeasureItem mis->itemData エラー";
    if (auto entry = entryOfItemData(static_cast<std::intptr_t>(item.itemData))) {
        const FFolderList* list = listOf(entry->list);
        if (list && list->holds(entry->index))
            text = list->text(entry->index);
    }
    const MenuEntryLook look{nullptr, m_settings.folderIcon, {m_smallIconWidth, m_smallIconHeight}};
    item.itemWidth = static_cast<UINT>(menuEntryWidth(m_measuringDC ? m_measuringDC->get() : nullptr, text, look));
    item.itemHeight = static_cast<UINT>(m_entryHeight);
    return 1;
}

LRESULT FTray::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (!item.hDC)
        return 0;
    const bool highlighted = (item.itemState & ODS_SELECTED) != 0;
    if (item.itemAction & ODA_SELECT) {
        m_highlight.menuWindow = WindowFromDC(item.hDC);
        m_highlight.item = item.rcItem;
        m_highlight.itemData = highlighted ? static_cast<std::intptr_t>(item.itemData) : -1;
    }
    const FFolderList* list = nullptr;
    int index = -1;
    if (auto entry = entryOfItemData(static_cast<std::intptr_t>(item.itemData))) {
        list = listOf(entry->list);
        index = entry->index;
    }
    if (!list || !list->holds(index)) {
        drawMenuEntry(item, {}, L"");
        return 1;
    }
    HICON icon = highlighted ? list->openIcon(index) : list->closedIcon(index);
    drawMenuEntry(item, {icon, m_settings.folderIcon, {m_smallIconWidth, m_smallIconHeight}}, list->text(index));
    return 1;
}

void FTray::onMenuEntryInput() {
    switch (MenuInputHooks::takePending()) {
    case MenuInputHooks::Input::Tab:
        m_keyboard = true;
        actOnHighlightedEntry();
        m_keyboard = false;
        break;
    case MenuInputHooks::Input::RightButton:
        actOnHighlightedEntry();
        break;
    case MenuInputHooks::Input::None:
        break;
    }
}

LRESULT FTray::onMenuChar(WPARAM wParam) {
    if (LOWORD(wParam) != L'\t')
        return MAKELRESULT(0, MNC_IGNORE);
    m_keyboard = true;
    const LRESULT acted = actOnHighlightedEntry();
    m_keyboard = false;
    return acted == 0 ? MAKELRESULT(0, MNC_CLOSE) : MAKELRESULT(0, MNC_IGNORE);
}

} // namespace pvn
