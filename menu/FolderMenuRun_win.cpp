#include "menu/FolderMenu_win.h"

#include "menu/MainMessages_win.h"
#include "menu/MenuItemCode.h"
#include "menu/MenuKeys.h"
#include "menu/PhaseMark_win.h"
#include "menu/ShellListing_win.h"

#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/OpenFolderInFiler_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/RequestCode.h"

#include <shellapi.h>

namespace pvn {
namespace {

constexpr wchar_t kTrayMissingQuestion[] = L"PVNTray.exe が常駐していない？";

ScreenPoint toScreenPoint(POINT p) {
    return {p.x, p.y};
}

} // namespace

void FolderMenu::createTooltip() {
    // The menu loop dispatches what creation queues; pumping here could take the user's keys.
    auto tooltip = std::make_unique<FMenuTT>(m_context.instance, m_tooltipFace, static_cast<int>(m_tooltipPoints));
    if (!tooltip->create(false))
        return;
    m_tooltip = std::move(tooltip);
    if (m_highlighted >= 0 && !m_previewing)
        m_tooltip->SetItem(pathOf(m_highlighted), codeOf(m_highlighted), m_placement);
}

void FolderMenu::hideTooltip() {
    if (m_options.toolTipOn && m_tooltip)
        m_tooltip->Hide();
}

bool FolderMenu::isHighlightedSubFolder() const {
    return m_table.contains(m_highlighted) && isSubMenuCode(codeOf(m_highlighted)) &&
           !isPseudoPath(pathOf(m_highlighted));
}

void FolderMenu::runMenu() {
    m_highlighted = -1;
    m_closedByKey = m_rightHandled = m_keyboardMenu = false;
    m_folderOpenButton = m_options.sFolSingle ? WM_LBUTTONUP : WM_LBUTTONDBLCLK;
    m_hooks = hookMenuLoop(mouseHook, messageFilterHook);
    check(m_hooks.mouse.get() != nullptr, "SetWindowsHookEx");
    check(m_hooks.filter.get() != nullptr, "SetWindowsHookEx");

    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    markPhase("track");
    const BOOL chosen =
        TrackPopupMenuEx(m_root, TPM_RETURNCMD, m_menuPoint.x, m_menuPoint.y, m_window, nullptr);
    SetErrorMode(oldMode);
    m_hooks = {};
    hideTooltip();
    if (std::exchange(m_previewAsked, false))
        sendToTray(makePreviewHideRequest());
    if (chosen > 0 && !m_closedByKey && !m_rightHandled && m_table.contains(chosen))
        chooseItem(chosen);
}

void FolderMenu::chooseItem(long index) {
    const std::wstring path = pathOf(index);
    const std::wstring parent = parentFolder(path);
    switch (codeOf(index)) {
    case kCodeFile: {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.hwnd = m_window;
        info.lpFile = path.c_str();
        info.lpDirectory = parent.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExW(&info) && info.hProcess)
            CloseHandle(info.hProcess);
        SHAddToRecentDocs(SHARD_PATHW, path.c_str());
        if (m_options.fHistory)
            AppendRecentFolder(parent);
        break;
    }
    case kCodeAbout: {
        const std::wstring program = joinPath(m_options.installDir, L"PVNSet.exe");
        ShellExecuteW(m_window, nullptr, program.c_str(), L"about", m_options.installDir.c_str(),
                      SW_SHOWNORMAL);
        break;
    }
    case kCodeOpen:
    case kCodeDriveOpen:
        if (OpenFolderInFiler(path, L"OF Main", m_context.filer0, m_context.filer1, m_context.filer2,
                              m_context.orgClose, m_context.explorer))
            AppendRecentFolder(path);
        break;
    default:
        break;
    }
}

// Code 2 is posted: by the time it arrives the highlight may have moved on, or gone.
void FolderMenu::openHighlightedFolder() {
    if (m_context.closing || !isHighlightedSubFolder())
        return;
    m_context.closing = true;
    const std::wstring path = pathOf(m_highlighted);
    if (m_dragState != 3) {
        OpenFolderInFiler(path, L"SUBMENUDIROPEN", m_context.filer0, m_context.filer1, m_context.filer2,
                          m_context.orgClose, m_context.explorer);
        if (pathExists(path))
            AppendRecentFolder(path);
    }
    PostMessageW(m_window, WM_CANCELMODE, 0, 0);
}

void FolderMenu::cursorToFirstItem() {
    HWND menu = FindWindowW(kMenuWindowClass, nullptr);
    RECT r{};
    if (!menu || !GetWindowRect(menu, &r))
        return;
    const int h = m_itemHeight;
    if (m_menuPoint.x > r.left && m_menuPoint.x < r.right && m_menuPoint.y > r.top &&
        m_menuPoint.y < r.top + h)
        return;
    m_menuPoint = {r.left + h / 2, r.top + h / 2};
    SetCursorPos(m_menuPoint.x, m_menuPoint.y);
}

void FolderMenu::recordAfterTray(long index, LRESULT answer, bool folderOnOne) {
    const std::int32_t code = codeOf(index);
    if (folderOnOne && code == kCodeOpen && answer == 1)
        AppendRecentFolder(pathOf(index));
    else if (code == kCodeFile && m_options.fHistory)
        AppendRecentFolder(parentFolder(pathOf(index)));
}

bool FolderMenu::contextMenuForHighlighted(bool keyboard) {
    if (m_highlighted <= 0 || !m_table.contains(m_highlighted))
        return false;
    const std::int32_t code = codeOf(m_highlighted);
    const std::wstring path = pathOf(m_highlighted);
    // An information item's "path" is its text: nothing the tray could show a context menu for.
    if (code == kCodeAbout || code == kCodeInfo || isPseudoPath(path))
        return false;
    m_rightHandled = true;
    POINT point{};
    const HWND menu = windowFrom32(m_placement.window);
    RECT r{};
    if (keyboard && menu && GetWindowRect(menu, &r)) {
        const IntPoint centre =
            tabPoint(r.left, r.top, m_placement.left, m_placement.top, m_placement.right, m_placement.bottom);
        point = {centre.x, centre.y};
    } else {
        check(GetCursorPos(&point), "GetCursorPos");
    }
    const long index = m_highlighted;
    const LRESULT answer = sendToTray(
        makeContextMenuRequest(toScreenPoint(point), path, reinterpret_cast<std::intptr_t>(m_window)));
    if (answer == 0)
        showMessage(kTrayMissingQuestion, m_window);
    recordAfterTray(index, answer, true);
    SetFocus(m_window);
    return true;
}

HMENU FolderMenu::highlightedMenu() const {
    const HWND window = windowFrom32(m_placement.window);
    if (!window || !IsWindow(window))
        return nullptr;
    return reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
}

int FolderMenu::positionOf(HMENU menu, long index) const {
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i)
        if (GetMenuItemID(menu, i) == static_cast<UINT>(index))
            return i;
    return -1;
}

LRESULT FolderMenu::ctrlLetter(unsigned character) {
    RequestPayload request;
    long index = -1;
    if (!m_table.contains(m_highlighted)) {
        request = makeCtrlLetterRequest(0, character, kNoText, m_path);
    } else {
        index = m_highlighted;
        const std::int32_t code = codeOf(index);
        if (code == kCodeAbout || code == kCodeInfo || isPseudoPath(pathOf(index)))
            return MAKELRESULT(0, MNC_IGNORE);
        request = makeCtrlLetterRequest(ctrlItemKind(code), character, pathOf(index), m_path);
    }
    const LRESULT answer = sendToTray(request);
    if (answer == 0)
        return MAKELRESULT(0, MNC_IGNORE);
    m_closedByKey = true;
    if (index >= 0)
        recordAfterTray(index, answer, true);
    return MAKELRESULT(0, MNC_CLOSE);
}

LRESULT FolderMenu::preview(HMENU menu) {
    if (!m_table.contains(m_highlighted) || !isRealItem(codeOf(m_highlighted), pathOf(m_highlighted)))
        return MAKELRESULT(0, MNC_IGNORE);
    hideTooltip();
    m_previewing = true;
    m_previewAsked = true;
    sendToTray(makePreviewRequest(m_placement, pathOf(m_highlighted)));
    m_previewing = false;
    const int position = positionOf(menu ? menu : highlightedMenu(), m_highlighted);
    return position < 0 ? MAKELRESULT(0, MNC_IGNORE) : MAKELRESULT(position, MNC_SELECT);
}

LRESULT FolderMenu::onMenuChar(unsigned character, HMENU menu) {
    m_menuCharMenu = menu;
    switch (classifyMenuChar(character, GetKeyState(VK_CONTROL) < 0)) {
    case MenuCharAction::CtrlLetter:
        return ctrlLetter(character);
    case MenuCharAction::Preview:
        return preview(menu);
    case MenuCharAction::ContextMenu: {
        m_keyboardMenu = true;
        const bool asked = contextMenuForHighlighted(true);
        m_keyboardMenu = false;
        return asked ? MAKELRESULT(0, MNC_SELECT) : MAKELRESULT(0, MNC_IGNORE);
    }
    case MenuCharAction::BackToOpen:
        return MAKELRESULT(0, MNC_SELECT);
    case MenuCharAction::FirstLetter:
        break;
    }
    if (!menu)
        return MAKELRESULT(0, MNC_IGNORE);
    std::vector<MenuCharItem> items;
    const wchar_t wanted = lowerCase(std::wstring(1, static_cast<wchar_t>(character)))[0];
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
        if (!check(GetMenuItemInfoW(menu, i, TRUE, &info), "GMII"))
            continue;
        if (!(info.fType & MFT_OWNERDRAW) || info.dwItemData >= m_itemTexts.size())
            continue;
        const std::wstring& text = m_itemTexts[info.dwItemData].text;
        if (!text.empty())
            items.push_back({i, static_cast<long>(info.wID), lowerCase(text.substr(0, 1))[0]});
    }
    const int position = firstLetterPosition(items, wanted, m_highlighted);
    return position < 0 ? MAKELRESULT(0, MNC_IGNORE) : MAKELRESULT(position, MNC_SELECT);
}

// The system sends WM_MENUCHAR for control characters only on some systems, and elsewhere treats the
// space as Enter. So space, Tab, Backspace and Ctrl+letter are taken here, before the menu sees
// them, and answered through the same WM_MENUCHAR handler: each key is handled exactly once.
bool FolderMenu::onHookedKey(const MSG& message) {
    if (message.message != WM_CHAR)
        return false;
    const unsigned character = static_cast<unsigned>(message.wParam);
    const MenuCharAction action = classifyMenuChar(character, GetKeyState(VK_CONTROL) < 0);
    if (action == MenuCharAction::FirstLetter)
        return false;
    const HMENU menu = highlightedMenu();
    const LRESULT answer = onMenuChar(character, menu);
    switch (HIWORD(answer)) {
    case MNC_CLOSE:
        EndMenu();
        break;
    case MNC_SELECT:
        // Position 0 is the first item: Home gets there in every menu.
        if (LOWORD(answer) == 0 && positionOf(menu, m_highlighted) != 0)
            PostMessageW(message.hwnd ? message.hwnd : m_window, WM_KEYDOWN, VK_HOME, 0);
        break;
    default:
        break;
    }
    return true;
}

bool FolderMenu::onHookedMouse(WPARAM message, const MOUSEHOOKSTRUCT& info) {
    if (m_dragState != 2)
        trackDrag();
    if (message == m_folderOpenButton && isHighlightedSubFolder())
        PostMessageW(m_window, m_context.message, toWParam(RequestCode::OpenHighlightedFolder), 0);
    // The release is kept from the menu, so that WM_MENURBUTTONUP (which not every system sends)
    // never doubles the context menu posted here.
    if (message == WM_RBUTTONUP && isMenuWindow(WindowFromPoint(info.pt))) {
        PostMessageW(m_window, kRightButtonMessage, 0, 0);
        return true;
    }
    return false;
}

LRESULT CALLBACK FolderMenu::mouseHook(int code, WPARAM wParam, LPARAM lParam) {
    // HC_NOREMOVE repeats a message that was only peeked at: act once, on HC_ACTION.
    if (code == HC_ACTION && s_current && lParam &&
        s_current->onHookedMouse(wParam, *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK FolderMenu::messageFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && s_current && lParam &&
        s_current->onHookedKey(*reinterpret_cast<const MSG*>(lParam)))
        return TRUE;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace pvn
