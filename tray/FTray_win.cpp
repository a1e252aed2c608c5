// Construction, publication and teardown of the tray.
#include "tray/FTray_win.h"

#include "common/ErrorBox_win.h"
#include "common/MenuWindow_win.h"
#include "common/OsCheck_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/RequestMessage_win.h"
#include "common/TrayHandle_win.h"
#include "tray/InstallFolder.h"
#include "tray/preview/FPrevTT_win.h"
#include "tray/res/TrayResource.h"

#include <commctrl.h>

namespace pvn {

FTray* FTray::s_instance = nullptr;

namespace {

constexpr UINT kNotifyIconId = 1;

} // namespace

FTray::FTray(std::wstring programFolder, TrayMode mode) : m_programFolder(std::move(programFolder)) {
    s_instance = this;
    m_smallIconWidth = GetSystemMetrics(SM_CXSMICON);
    m_smallIconHeight = GetSystemMetrics(SM_CYSMICON);
    m_entryHeight = m_smallIconHeight + 3;
    m_menuFont = createMenuFont();
    m_osLevel = checkOs();
    m_wow64 = runningUnderWow64();
    if (!createWindow())
        return;
    m_measuringDC.emplace(m_window);
    if (m_measuringDC->get() && m_menuFont)
        m_measuringFont.emplace(m_measuringDC->get(), m_menuFont.get());
    m_recent = std::make_unique<FFolderList>(m_window, m_menuFont.get());
    m_favorites = std::make_unique<FFolderList>(m_window, m_menuFont.get());
    installHandlers();
    if (mode != TrayMode::Resident) {
        m_complete = true;
        return;
    }
    m_resident = true;
    m_complete = startResident();
}

bool FTray::createWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TRAY));
    windowClass.lpszClassName = kTrayWindowClass;
    registerWindowClass(windowClass);
    CreateWindowExW(WS_EX_TOOLWINDOW, kTrayWindowClass, L"PVNTray.exe", WS_POPUP, 0, 0, 1, 1, nullptr,
                    nullptr, instance, creationParameter());
    if (!check(m_window != nullptr, "CreateWindowEx"))
        return false;
    ShowWindow(m_window, SW_SHOWNORMAL);
    UpdateWindow(m_window);
    return true;
}

bool FTray::startResident() {
    {
        RegKey key = openSettingsForWriting();
        if (!key.isOpen()) {
            showMessage(L"このユーザではインストールされていない？", m_window);
            return false;
        }
        writeTrayHandle(key, m_window);
    }
    m_iconMessage = RegisterWindowMessageW(L"PVNNOTIFYICON");
    m_requestMessage = requestMessage();
    m_taskbarMessage = RegisterWindowMessageW(L"TaskbarCreated");
    if (m_requestMessage)
        ChangeWindowMessageFilter(m_requestMessage, MSGFLT_ADD);
    loadSettings();
    registerHotKeys();
    checkInstallFolder();
    addNotificationIcon();
    InitCommonControls();
    createPreview();
    return true;
}

void FTray::loadSettings() {
    RegKey key = openSettingsForReading();
    if (!key.isOpen()) {
        showMessage(L"インストールされていない？", m_window);
        PostMessageW(m_window, WM_CLOSE, 0, 0);
        return;
    }
    m_settings.readAll(key);
}

bool FTray::checkInstallFolder() {
    bool ok = true;
    if (!isInstallFolder(m_programFolder, m_settings.installDir)) {
        showMessage(kNotInstallFolderMessage, m_window);
        ok = false;
    }
    if (!pathExists(joinPath(m_programFolder, L"PVNSet.exe"))) {
        showMessage(kSetupMissingMessage, m_window);
        ok = false;
    }
    // Posted after both boxes: a close queued before the second box would end it unseen.
    if (!ok)
        PostMessageW(m_window, WM_CLOSE, 0, 0);
    return ok;
}

void FTray::addNotificationIcon() {
    m_iconRecord = NOTIFYICONDATAW{};
    m_iconRecord.cbSize = sizeof m_iconRecord;
    m_iconRecord.hWnd = m_window;
    m_iconRecord.uID = kNotifyIconId;
    m_iconRecord.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_iconRecord.uCallbackMessage = m_iconMessage;
    m_iconRecord.hIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TRAY),
                                                       IMAGE_ICON, m_smallIconWidth, m_smallIconHeight, 0));
    lstrcpynW(m_iconRecord.szTip, L"Parvane", ARRAYSIZE(m_iconRecord.szTip));
    m_iconAdded = Shell_NotifyIconW(NIM_ADD, &m_iconRecord);
}

void FTray::removeNotificationIcon() {
    if (m_iconAdded)
        Shell_NotifyIconW(NIM_DELETE, &m_iconRecord);
    m_iconAdded = false;
    if (m_iconRecord.hIcon)
        DestroyIcon(m_iconRecord.hIcon);
    m_iconRecord.hIcon = nullptr;
}

void FTray::measureMenuMetrics() {
    UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.get(), MF_STRING, 1, L"PVN");
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    m_cancelNextMenu = true;
    TrackPopupMenuEx(menu.get(), TPM_RETURNCMD, 0, 0, m_window, nullptr);
    m_cancelNextMenu = false;
    RECT entry{}, separator{};
    const bool measured = check(GetMenuItemRect(m_window, menu.get(), 0, &entry), "GetMenuItemRect") &&
                          check(GetMenuItemRect(m_window, menu.get(), 1, &separator), "GetMenuItemRect");
    check(DestroyMenu(menu.release()), "DestroyMenu");
    EndMenu();
    RegKey key = openSettingsForWriting();
    if (!key.isOpen()) {
        showMessage(L"PVNSet を実行していない？", m_window);
        return;
    }
    if (measured) {
        key.writeDword(settingName(SettingId::MenuHeight), static_cast<DWORD>(entry.bottom - entry.top));
        key.writeDword(settingName(SettingId::MenuSepHeight),
                       static_cast<DWORD>(separator.bottom - separator.top));
    }
    key.writeDword(settingName(SettingId::ODMenuHeight), static_cast<DWORD>(m_entryHeight));
    key.writeDword(settingName(SettingId::IconWidth), static_cast<DWORD>(m_smallIconWidth));
    key.writeDword(settingName(SettingId::IconHeight), static_cast<DWORD>(m_smallIconHeight));
}

FTray::~FTray() {
    m_preview.reset();
    m_recent.reset();
    m_favorites.reset();
    m_measuringFont.reset();
    m_measuringDC.reset();
    unregisterHotKeys();
    m_menuFont.reset();
    if (const HWND window = m_window) {
        // The procedure must not reach a half-destroyed object.
        detachWindow();
        DestroyWindow(window);
    }
    if (m_resident)
        removeNotificationIcon();
    s_instance = nullptr;
}

void FTray::setItems(const std::vector<std::wstring>& items) {
    m_items.clear();
    for (const auto& item : items)
        m_items.add(item);
}

void FTray::postToSelf(RequestCode code, LPARAM lParam) {
    m_selfRequests.emplace_back(code, lParam);
    PostMessageW(m_window, kRunSelfRequests, 0, 0);
}

} // namespace pvn
