// The recent and favourites menus, the last folder and the last menu.
#include "tray/FTray_win.h"

#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/MessagePump_win.h"
#include "common/OpenFolderInFiler_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/RecentCompaction.h"
#include "common/TextPlatform.h"
#include "common/Foreground_win.h"
#include "tray/MenuInputHooks_win.h"
#include "tray/RecentFolders_win.h"
#include "tray/TrayMenuRules.h"

#include <shellapi.h>

namespace pvn {
namespace {

constexpr wchar_t kNoFolderMessage[] = L"フォルダがありません";

std::vector<std::wstring> readList(const std::optional<std::wstring>& path) {
    return path ? readListFile(*path) : std::vector<std::wstring>{};
}

} // namespace

bool FTray::readCommandLineSettings(bool folderIcon, bool lists) {
    RegKey key = openSettingsForReading();
    if (!key.isOpen()) {
        showMessage(L"PVNSetup を実行していない？", m_window);
        return false;
    }
    std::vector<SettingVariable> variables;
    if (folderIcon)
        variables.push_back({SettingId::FolderIcon, &m_settings.folderIcon});
    if (lists) {
        variables.push_back({SettingId::RecentSortType, &m_settings.recentSortType});
        variables.push_back({SettingId::MenuHeight, &m_settings.menuHeight});
        variables.push_back({SettingId::ExcFav, &m_settings.excFav});
        variables.push_back({SettingId::ExcRC, &m_settings.excRC});
        variables.push_back({SettingId::FavFName, &m_settings.favFName});
    }
    readSettingVariables(key, variables);
    m_settings.readFilers(key);
    m_settings.readInstallDir(key);
    return true;
}

std::optional<int> FTray::trackFolderMenu(const FFolderList& list, int listNumber) {
    UniqueMenu menu(CreatePopupMenu());
    list.fillMenu(menu.get(), listNumber);
    POINT cursor{};
    check(GetCursorPos(&cursor), "GetCursorPos");
    dispatchPendingMessages();
    forceForeground(m_window);
    m_actionTaken = false;
    resetHighlight();
    int chosen = 0;
    {
        MenuInputHooks hooks(m_window, kMenuEntryInput);
        chosen = static_cast<int>(
            TrackPopupMenuEx(menu.get(), TPM_RETURNCMD, cursor.x, cursor.y, m_window, nullptr));
    }
    resetHighlight();
    check(DestroyMenu(menu.release()), "DestroyMenu");
    if (m_actionTaken || chosen <= 0 || !list.holds(chosen - 1))
        return std::nullopt;
    return chosen - 1;
}

void FTray::openFolder(const std::wstring& path, const wchar_t* reason) {
    OpenFolderInFiler(path, reason, m_settings.filer0, m_settings.filer1, m_settings.filer2, false, nullptr);
}

void FTray::recentMenu(bool fromCommandLine) {
    if (fromCommandLine && !readCommandLineSettings(true, true))
        return;
    const auto recentPath = recentListPath();
    const std::vector<std::wstring> shown =
        shownRecentFolders(readList(recentPath), m_settings, m_monitors.monitorHeightAtCursor(), m_entryHeight);
    if (shown.empty()) {
        showMessage(L"メニュー表示用履歴はありません", m_window);
        return;
    }
    m_recent->clear();
    for (const auto& path :
         recentMenuOrder(shown, static_cast<int>(m_settings.recentSortType), textPlatform()))
        m_recent->add(path);
    const auto chosen = trackFolderMenu(*m_recent, kRecentList);
    if (!chosen)
        return;
    const std::wstring path = m_recent->path(*chosen);
    if (!folderExists(path)) {
        showMessage(kNoFolderMessage, m_window);
        return;
    }
    openFolder(path, L"OF Recent");
    if (recentPath)
        writeListFile(*recentPath, recentRewrite(shown, path));
}

void FTray::favoritesMenu(bool fromCommandLine) {
    if (fromCommandLine && !readCommandLineSettings(true, true))
        return;
    const std::vector<std::wstring> lines = readList(favoritesListPath());
    if (lines.empty()) {
        showMessage(L"お気に入りフォルダはありません", m_window);
        return;
    }
    m_favorites->clear();
    for (const auto& line : lines)
        m_favorites->add(line, favoriteShortText(line, m_settings.favFName));
    const auto chosen = trackFolderMenu(*m_favorites, kFavoritesList);
    if (!chosen)
        return;
    const std::wstring path = m_favorites->path(*chosen);
    if (!folderExists(path)) {
        showMessage(kNoFolderMessage, m_window);
        return;
    }
    openFolder(path, L"OF Favorites");
    AppendRecentFolder(path);
}

void FTray::lastFolder(bool fromCommandLine) {
    if (fromCommandLine && !readCommandLineSettings(false, false))
        return;
    const std::vector<std::wstring> lines = readList(recentListPath());
    if (lines.empty()) {
        showMessage(L"履歴はありません", m_window);
        return;
    }
    const std::wstring& path = lines.back();
    if (!folderExists(path)) {
        showMessage(kNoFolderMessage, m_window);
        return;
    }
    openFolder(path, L"OF Last");
}

void FTray::lastMenu() {
    std::wstring item;
    {
        RegKey key = openSettingsForReading();
        if (!key.isOpen())
            return;
        const SettingVariable last[] = {{SettingId::LastMenuItem, &item}};
        readSettingVariables(key, last);
        m_settings.readInstallDir(key);
    }
    if (!item.empty()) {
        const DWORD attributes = GetFileAttributesW(item.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return;
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
            item = parentFolder(item);
    }
    startFolderMenu(item);
}

INT_PTR FTray::startFolderMenu(const std::wstring& parameters) {
    // The full path: a bare name would also be looked for in the tray's own current folder first.
    const std::wstring program = joinPath(m_settings.installDir, L"PVNMain.exe");
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", program.c_str(), parameters.c_str(),
                                                   m_settings.installDir.c_str(), SW_SHOWNORMAL));
}

LRESULT FTray::actOnHighlightedEntry() {
    const auto entry = actionableEntry(m_highlight.itemData, static_cast<std::size_t>(m_recent->count()),
                                       static_cast<std::size_t>(m_favorites->count()));
    if (!entry)
        return 1;
    m_actionTaken = true;
    const FFolderList& list = *listOf(entry->list);
    const std::wstring path = list.path(entry->index);
    PostMessageW(m_window, WM_CANCELMODE, 0, 0);
    if (!folderExists(path)) {
        showMessage(kNoFolderMessage, m_window);
        return 0;
    }
    RECT menuRect{};
    if (m_keyboard && m_highlight.menuWindow && GetWindowRect(m_highlight.menuWindow, &menuRect)) {
        const RECT& item = m_highlight.item;
        const auto at = tabPointerPosition(menuRect.left, menuRect.top, item.left, item.top, item.right, item.bottom);
        SetCursorPos(at.x, at.y);
    }
    const INT_PTR result = startFolderMenu(path);
    if (result <= 32)
        showMessage(formatErrorCode("ShellExecute PVNMenu", static_cast<DWORD>(result)), m_window);
    return 0;
}

} // namespace pvn
