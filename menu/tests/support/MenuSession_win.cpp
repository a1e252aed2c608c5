#include "menu/tests/support/MenuSession_win.h"

#include "common/ListFile_win.h"
#include "common/MenuWindow_win.h"
#include "common/Paths.h"
#include "common/RegKey_win.h"
#include "common/SettingsKey.h"

namespace pvn::test {
namespace {

std::wstring filerLog(const std::wstring& folder = binFolder()) {
    return folder + (folder.ends_with(L'\\') ? L"" : L"\\") + L"PvnTestFiler.log";
}

} // namespace

MenuSession::MenuSession()
    : m_install(L"menuinst"), m_trayLog(binFolder() + L"MenuSessionTray.log"),
      m_itemHeight(GetSystemMetrics(SM_CYSMICON) + 3) {
    m_install.useRealFolderMenu();
    RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_ALL_ACCESS, true);
    const std::pair<const wchar_t*, DWORD> numbers[] = {
        {L"StartType", 1},     {L"ToolTipOn", 0},     {L"FHistory", 1},     {L"FolderIcon", 1},
        {L"IncludeHidden", 1}, {L"MenuSepHeight", 9}, {L"Order", 0},        {L"FileNum", 0},
        {L"FileUpside", 0},    {L"FTogether", 0},     {L"MenuOverFlow", 0}, {L"SFolSingle", 0},
        {L"PosFix", 0},        {L"OpenShift", 0},     {L"DrvOther", 1},     {L"OrgClose", 0},
        {L"OpenBottom", 0},    {L"OpenNet", 0},       {L"OpenKey", 0},      {L"OpenPush", 0},
        {L"TTFPoint10", 90},
    };
    for (const auto& [name, value] : numbers)
        key.writeDword(name, value);
    key.writeString(L"Drive", L"all");
    key.writeString(L"Filer0", filerCommand());
    key.writeString(L"Filer1", L"");
    key.writeString(L"Filer2", L"");
    // As the settings program writes it; PVNMain and the tray take the quotes off.
    key.writeString(L"InstallDir", L"\"" + m_install.folder() + L"\"");
    key.writeString(L"TTFName", L"ＭＳ ゴシック");
    key.deleteValue(L"LastMenuItem");
    key.close();
    DeleteFileW(m_trayLog.c_str());
    DeleteFileW(filerLog().c_str());
    if (std::optional<std::wstring> recent = recentListPath()) {
        CreateDirectoryW(parentFolder(*recent).c_str(), nullptr);
        DeleteFileW(recent->c_str());
    }
}

MenuSession::~MenuSession() {
    if (m_main.handle() && WaitForSingleObject(m_main.handle(), 0) == WAIT_TIMEOUT) {
        input(L"key 0x1B key 0x1B key 0x1B");
        m_main.wait(3000);
    }
    m_main.kill();
    stopTray();
}

void MenuSession::setNumber(const wchar_t* name, DWORD value) {
    RegKey(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true).writeDword(name, value);
}

void MenuSession::setText(const wchar_t* name, const std::wstring& value) {
    RegKey(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true).writeString(name, value);
}

void MenuSession::deleteValue(const wchar_t* name) {
    RegKey(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, true).deleteValue(name);
}

std::optional<std::wstring> MenuSession::readText(const wchar_t* name) {
    RegKey key(HKEY_CURRENT_USER, kSettingsKey, KEY_QUERY_VALUE);
    std::wstring text;
    if (!key.readString(name, text))
        return std::nullopt;
    return text;
}

bool MenuSession::startTray() {
    return m_install.start() && m_install.waitForTray();
}

bool MenuSession::startRecordingTray(long long answer) {
    if (!m_tray.start(L"PvnTestReceiver.exe",
                      L"log=\"" + m_trayLog + L"\" answer=" + std::to_wstring(answer)))
        return false;
    // The handle is in the key once the window exists.
    if (!waitForWindow(L"PVNTRAYWINCLASS", nullptr, 5000))
        return false;
    Sleep(100);
    return true;
}

void MenuSession::stopTray() {
    if (m_install.process().handle())
        m_install.stop(5000);
    m_install.process().kill();
    if (m_tray.handle()) {
        if (HWND tray = FindWindowW(L"PVNTRAYWINCLASS", nullptr))
            PostMessageW(tray, WM_CLOSE, 0, 0);
        m_tray.wait(3000);
        m_tray.kill();
    }
}

std::vector<HWND> MenuSession::menuWindows() {
    std::vector<HWND> out;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            if (IsWindowVisible(window) && isMenuWindow(window))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    // EnumWindows lists the topmost (newest) first.
    return {out.rbegin(), out.rend()};
}

RECT MenuSession::windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

POINT MenuSession::itemCentre(int itemsAbove, int separatorsAbove, HWND menu) const {
    if (!menu) {
        std::vector<HWND> menus = menuWindows();
        menu = menus.empty() ? nullptr : menus.front();
    }
    const RECT r = windowRect(menu);
    return {r.left + 30, r.top + kMenuTopMargin + itemsAbove * m_itemHeight +
                             separatorsAbove * kSeparatorHeight + m_itemHeight / 2};
}

bool MenuSession::startMain(const std::wstring& folder) {
    return m_main.start(m_install.folder() + L"\\PVNMain.exe", folder.empty() ? L"" : L"\"" + folder + L"\"");
}

bool MenuSession::open(const std::wstring& folder, bool expectMenu) {
    if (!startMain(folder))
        return false;
    for (int i = 0; i < 250; ++i) {
        if (!menuWindows().empty()) {
            Sleep(150);
            return true;
        }
        if (!expectMenu && WaitForSingleObject(m_main.handle(), 0) == WAIT_OBJECT_0)
            return false;
        Sleep(20);
    }
    return false;
}

std::optional<DWORD> MenuSession::finish(DWORD milliseconds) {
    return m_main.wait(milliseconds);
}

void MenuSession::input(const std::wstring& actions) {
    runProgram(L"PvnInput.exe", actions, 20000);
}

std::vector<LoggedRequest> MenuSession::requests() const {
    return readLoggedRequests(m_trayLog);
}

std::vector<LoggedRequest> MenuSession::requests(unsigned code) const {
    std::vector<LoggedRequest> out;
    for (LoggedRequest& r : requests())
        if (r.code == code)
            out.push_back(std::move(r));
    return out;
}

std::vector<std::wstring> MenuSession::recentLines() {
    std::optional<std::wstring> path = recentListPath();
    if (!path || GetFileAttributesW(path->c_str()) == INVALID_FILE_ATTRIBUTES)
        return {};
    return readListFile(*path);
}

std::vector<std::wstring> MenuSession::filerRecord(const std::wstring& folder) {
    const std::wstring log = filerLog(folder);
    for (int i = 0; i < 100 && GetFileAttributesW(log.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(20);
    return readUtf8Lines(log);
}

std::wstring MenuSession::filerCommand(const std::wstring& placeholder) {
    return L"\"" + binFolder() + L"PvnTestFiler.exe\" " + placeholder;
}

} // namespace pvn::test
