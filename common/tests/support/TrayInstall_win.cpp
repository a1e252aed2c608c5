#include "common/tests/support/TrayInstall_win.h"

#include "common/ListFile_win.h"
#include "common/MenuWindow_win.h"
#include "common/Paths.h"
#include "common/RequestMessage_win.h"
#include "common/Settings_win.h"
#include "common/SettingsKey.h"
#include "common/SettingsTable.h"
#include "common/TrayHandle_win.h"
#include "common/WinTextPlatform_win.h"
#include "common/tests/support/TestFiles_win.h"

#include <shellapi.h>

namespace pvn::test {

HWND windowOfProcess(DWORD pid, const wchar_t* className, bool visibleOnly) {
    struct Search {
        DWORD pid;
        const wchar_t* className;
        bool visibleOnly;
        HWND found = nullptr;
    } search{pid, className, visibleOnly};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            wchar_t name[32] = {};
            GetClassNameW(w, name, 32);
            if (owner == s->pid && lstrcmpW(name, s->className) == 0 && (!s->visibleOnly || IsWindowVisible(w))) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {

// At start the tray tracks a menu of its own to measure the menu metrics, and answers requests from
// inside that menu's loop: a click sent then would go to that menu instead of the icon.
bool showsMenu(DWORD pid) { return windowOfProcess(pid, kMenuWindowClass, true) != nullptr; }

std::wstring listPath(const wchar_t* name) {
    auto path = listFilePath(name);
    if (path)
        CreateDirectoryW(parentFolder(*path).c_str(), nullptr);
    return path.value_or(L"");
}

} // namespace

TrayInstall::TrayInstall(const std::wstring& folderName) {
    m_folder = binFolder() + folderName;
    removeTree(m_folder);
    CreateDirectoryW(m_folder.c_str(), nullptr);
    CopyFileW((binFolder() + L"PVNTray.exe").c_str(), (m_folder + L"\\PVNTray.exe").c_str(), FALSE);
    for (const wchar_t* standIn : {L"PVNMain.exe", L"PVNSet.exe", L"Filer.exe"})
        CopyFileW((binFolder() + L"PvnRecorder.exe").c_str(), (m_folder + L"\\" + standIn).c_str(), FALSE);

    SettingsValues values;
    ComputedDefaults computed;
    computed.programFolder = m_folder;
    values.resetToInstall(computed);
    saveSettings(values, true);
    setText(L"InstallDir", m_folder);
    setText(L"Filer0", L"\"" + m_folder + L"\\Filer.exe\" 0 %l");
    setText(L"Filer1", L"\"" + m_folder + L"\\Filer.exe\" 1 %l");
    setText(L"Filer2", L"\"" + m_folder + L"\\Filer.exe\" 2 %l");
    removeValue(L"LastMenuItem");
    removeLists();
}

TrayInstall::~TrayInstall() {
    if (m_process.handle())
        stop(5000);
}

std::wstring TrayInstall::makeFolder(const std::wstring& name) const {
    std::wstring path = m_folder;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t slash = name.find(L'\\', start);
        path += L"\\" + name.substr(start, slash - start);
        CreateDirectoryW(path.c_str(), nullptr);
        if (slash == std::wstring::npos)
            break;
        start = slash + 1;
    }
    return path;
}

void TrayInstall::setNumber(const wchar_t* name, DWORD value) const {
    RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true);
    key.writeDword(name, value);
}

void TrayInstall::setText(const wchar_t* name, const std::wstring& text) const {
    RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true);
    key.writeString(name, text);
}

void TrayInstall::removeValue(const wchar_t* name) const {
    RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true);
    key.deleteValue(name);
}

void TrayInstall::writeRecent(const std::vector<std::wstring>& lines) const {
    writeListFile(listPath(kRecentListName), lines);
}

void TrayInstall::writeFavorites(const std::vector<std::wstring>& lines) const {
    writeListFile(listPath(kFavoritesListName), lines);
}

std::vector<std::wstring> TrayInstall::readRecent() const { return readListFile(listPath(kRecentListName)); }

void TrayInstall::removeLists() const {
    DeleteFileW(listPath(kRecentListName).c_str());
    DeleteFileW(listPath(kFavoritesListName).c_str());
}

bool TrayInstall::useRealFolderMenu() const {
    return CopyFileW((binFolder() + L"PVNMain.exe").c_str(), (m_folder + L"\\PVNMain.exe").c_str(), FALSE) != 0;
}

bool TrayInstall::start(const std::wstring& args, const std::wstring& program) {
    // The resident tray answers requests before it measures the menus: waitForTray waits for this
    // value to come back.
    if (args.empty())
        removeValue(settingName(SettingId::IconWidth));
    return m_process.start(program.empty() ? m_folder + L"\\PVNTray.exe" : program, args);
}

HWND TrayInstall::waitForTray(DWORD milliseconds) const {
    const DWORD start = GetTickCount();
    do {
        HWND window = FindWindowW(kTrayWindowClass, L"PVNTray.exe");
        DWORD pid = 0;
        if (window)
            GetWindowThreadProcessId(window, &pid);
        // Published once the handle is stored and the requests are answered, and ready for the
        // user once the measuring menu has gone.
        DWORD iconWidth = 0;
        if (window && pid == m_process.pid() && readTrayHandle() == window &&
            sendRequest(window, 4).value_or(0) == 1 &&
            openSettingsForReading().readDword(settingName(SettingId::IconWidth), iconWidth) && !showsMenu(pid)) {
            Sleep(100);
            if (!showsMenu(pid))
                return window;
        }
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

std::optional<DWORD> TrayInstall::stop(DWORD milliseconds) {
    if (HWND tray = windowOfProcess(m_process.pid(), kTrayWindowClass, false))
        PostMessageW(tray, WM_CLOSE, 0, 0);
    return m_process.wait(milliseconds);
}

std::vector<std::wstring> TrayInstall::calls() const { return readUtf8Lines(m_folder + L"\\calls.log"); }

void TrayInstall::clearCalls() const { DeleteFileW((m_folder + L"\\calls.log").c_str()); }

bool TrayInstall::waitForCalls(std::size_t n, DWORD milliseconds) const {
    const DWORD start = GetTickCount();
    do {
        if (calls().size() >= n)
            return true;
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return false;
}

std::optional<LRESULT> sendRequest(HWND tray, unsigned code, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(tray, requestMessage(), code, lParam, SMTO_ABORTIFHUNG, 10000, &answer))
        return std::nullopt;
    return static_cast<LRESULT>(answer);
}

void postIconClick(HWND tray, UINT mouseMessage) {
    PostMessageW(tray, RegisterWindowMessageW(L"PVNNOTIFYICON"), 1, mouseMessage);
}

} // namespace pvn::test
