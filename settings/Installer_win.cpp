#include "settings/Installer_win.h"

#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/MessagePump_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/RequestMessage_win.h"
#include "common/SettingsKey.h"
#include "common/SettingsTable.h"
#include "common/TrayHandle_win.h"
#include "settings/ProgressWindow_win.h"
#include "settings/RegistryPlan_win.h"
#include "settings/SettingsDialog_win.h"
#include "settings/ShellVerbs_win.h"
#include "settings/Shortcut_win.h"

#include <shellapi.h>
#include <shlobj.h>

namespace pvn {
namespace {

// The old tray gets this long to end before the new one starts and meets its mutex.
constexpr DWORD kOldTrayWait = 5000;

// WM_CLOSE only to a window that is still the tray's: a stale handle may by now name another
// program's window. Returns the process to wait for.
UniqueHandle closeOldTray(HWND stored) {
    wchar_t className[64] = {};
    if (!stored || !GetClassNameW(stored, className, 64) || lstrcmpW(className, kTrayWindowClass) != 0)
        return {};
    DWORD pid = 0;
    GetWindowThreadProcessId(stored, &pid);
    UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, pid));
    PostMessageW(stored, WM_CLOSE, 0, 0);
    dispatchPendingMessages();
    return process;
}

void waitForExit(const UniqueHandle& process) {
    if (!process)
        return;
    const ULONGLONG end = GetTickCount64() + kOldTrayWait;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return;
        HANDLE h = process.get();
        const DWORD r = MsgWaitForMultipleObjects(1, &h, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        if (r != WAIT_OBJECT_0 + 1)
            return;
        if (!dispatchPendingMessages())
            return;
    }
}

void createFileIfMissing(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// A file, or a folder of that name, removed when present.
void removePath(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveDirectoryW(path.c_str());
    else
        DeleteFileW(path.c_str());
}

std::wstring folderOrEmpty(int csidl) { return specialFolderPath(csidl).value_or(L""); }

// The settings dialog, never shown: a first installation resets every page to its Install value,
// a later one writes back what is stored; either way every value is written and the tray reloads.
void saveAllSettings(bool firstInstallation) {
    SettingsDialog settings;
    if (!settings.construct())
        return;
    if (firstInstallation)
        settings.resetAll();
    settings.saveAll(false);
    settings.destroy();
}

} // namespace

std::wstring Installer::title(const wchar_t* operation) {
    return std::wstring(L"Parvane ") + kVersionText + operation;
}

Installer::Installer(int osLevel) : m_osLevel(osLevel) {
    m_classes.open(HKEY_CURRENT_USER, kClassesKey, KEY_ALL_ACCESS);
    m_settings.open(HKEY_CURRENT_USER, kSettingsKey, KEY_QUERY_VALUE);
    if (m_settings.isOpen()) {
        m_trayWindow = readTrayHandle(m_settings).value_or(nullptr);
        std::wstring version;
        m_settings.readString(settingName(SettingId::Version), version);
        m_storedVersion = version;
    }
    m_dataFolder = joinPath(folderOrEmpty(CSIDL_APPDATA), kListFolder);
    m_startupFolder = folderOrEmpty(CSIDL_STARTUP);
    m_desktopFolder = folderOrEmpty(CSIDL_DESKTOPDIRECTORY);
    // No trailing backslash except at a drive root.
    m_installDir = parentFolder(modulePath());
    m_is64BitWindows = sizeof(void*) == 8 || runningUnderWow64();
}

std::optional<std::wstring> Installer::refusal() const {
    InstallFacts facts;
    facts.fileExists = [this](std::wstring_view relative) { return pathExists(joinPath(m_installDir, relative)); };
    facts.tamselInstalled = userKeyExists(std::wstring(kVendorKey) + L"\\Tamsel");
    facts.ostridInstalled = userKeyExists(std::wstring(kVendorKey) + L"\\Ostrid");
    facts.storedVersion = m_storedVersion;
    return installRefusal(facts);
}

void Installer::install(bool wantDocuments, bool wantDriveList) {
    const UniqueHandle oldTray = closeOldTray(m_trayWindow);
    ProgressWindow progress(title(L" のインストール"), m_osLevel);

    applyRegPlan(unregisterExtensionPlan(m_is64BitWindows));
    applyRegPlan(registerExtensionPlan(m_installDir, m_is64BitWindows));
    progress.setPosition(20);

    registerVerbs(2, m_installDir, progress.dialog());
    progress.setPosition(40);

    CreateDirectoryW(m_dataFolder.c_str(), nullptr);
    createFileIfMissing(joinPath(m_dataFolder, kRecentListName));
    createFileIfMissing(joinPath(m_dataFolder, kFavoritesListName));
    progress.setPosition(50);

    createShortcut(trayShortcut(m_startupFolder, m_installDir));
    if (wantDocuments)
        createShortcutAsking(documentsShortcut(m_desktopFolder, m_installDir, folderOrEmpty(CSIDL_PERSONAL)),
                             progress.dialog());
    if (wantDriveList)
        createShortcutAsking(driveListShortcut(m_desktopFolder, m_installDir), progress.dialog());
    progress.setPosition(60);

    const bool first = m_trayWindow == nullptr;
    if (first)
        RegKey(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true);
    saveAllSettings(first);
    progress.setPosition(80);

    RegKey settings(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true);
    settings.writeString(settingName(SettingId::InstallDir), m_installDir);
    settings.writeString(L"Version", kVersionText);
    settings.close();

    progress.setPosition(90);
    waitForExit(oldTray);
    const std::wstring tray = joinPath(m_installDir, L"PVNTray.exe");
    ShellExecuteW(nullptr, L"open", tray.c_str(), nullptr, m_installDir.c_str(), SW_SHOWNORMAL);
    progress.setPosition(100);

    askUser(kInstallDone, MB_OK | MB_ICONINFORMATION, progress.dialog());
}

void Installer::uninstall() {
    closeOldTray(m_trayWindow);
    ProgressWindow progress(title(L" のアンインストール"), m_osLevel);

    registerVerbs(0, m_installDir, progress.dialog());
    progress.setPosition(20);

    applyRegPlan(unregisterExtensionPlan(m_is64BitWindows));
    applyRegPlan(emptyParentsPlan(m_is64BitWindows));
    progress.setPosition(40);

    if (askUser(kDeleteListsQuestion, MB_YESNO | MB_ICONQUESTION, progress.dialog()) == IDYES) {
        removePath(joinPath(m_dataFolder, kRecentListName));
        removePath(joinPath(m_dataFolder, kFavoritesListName));
    }
    progress.setPosition(60);

    m_settings.close();
    RegKey vendor(HKEY_CURRENT_USER, kVendorKey, KEY_ALL_ACCESS);
    vendor.deleteSubKey(L"Parvane");
    const auto counts = vendor.queryCounts();
    if (counts && counts->subKeys == 0 && counts->values == 0) {
        vendor.close();
        RegKey(HKEY_CURRENT_USER, L"Software", KEY_ALL_ACCESS).deleteSubKey(L"Morrick");
    }
    progress.setPosition(80);

    removePath(joinPath(m_startupFolder, kTrayShortcutName));
    for (const wchar_t* name : {kDocumentsShortcutName, kDriveListShortcutName}) {
        const std::wstring link = joinPath(m_desktopFolder, name);
        if (pathExists(link) &&
            askUser(link + kDeleteShortcutQuestion, MB_YESNO | MB_ICONQUESTION, progress.dialog()) == IDYES)
            removePath(link);
    }
    progress.setPosition(100);
    askUser(kUninstallDone, MB_OK | MB_ICONINFORMATION, progress.dialog());
}

} // namespace pvn
