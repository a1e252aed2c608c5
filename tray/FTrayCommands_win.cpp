// The tray icon's own menu, running the settings program, and the hot keys.
#include "tray/FTray_win.h"

#include "common/ErrorBox_win.h"
#include "common/MessagePump_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/Foreground_win.h"
#include "tray/HotKeys.h"
#include "tray/ShellVerb_win.h"
#include "tray/TrayMenuRules.h"

#include <shellapi.h>
#include <shlobj.h>

namespace pvn {

static_assert(kHotKeyAlt == MOD_ALT && kHotKeyControl == MOD_CONTROL && kHotKeyShift == MOD_SHIFT);

void FTray::trayMenu() {
    UniqueMenu menu(CreatePopupMenu());
    for (const auto& item : trayMenuItems(m_settings.startType)) {
        if (item.id == 0)
            insertSeparator(menu.get());
        else
            AppendMenuW(menu.get(), MF_STRING, item.id, item.text.c_str());
    }
    POINT cursor{};
    check(GetCursorPos(&cursor), "GetCursorPos");
    dispatchPendingMessages();
    forceForeground(m_window);
    const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x,
                                                           cursor.y, m_window, nullptr));
    check(DestroyMenu(menu.release()), "DestroyMenu");
    switch (chosen) {
    case kTrayQuit:
        if (askUser(L"強制終了していいですか\n再起動する場合はスタートアップの\nPVNTrayを起動してください",
                    MB_YESNO | MB_ICONQUESTION, m_window) != IDNO)
            PostMessageW(m_window, WM_CLOSE, 0, 0);
        break;
    case kTrayAbout:
        runSetup(L"about");
        break;
    case kTraySettings:
        runSetup(L"set");
        break;
    case kTrayReadMe:
        openReadMe();
        break;
    case kTrayEditLists:
        runSetup(L"edit");
        break;
    case kTrayRemoveMissing:
        runSetup(L"notexist");
        break;
    case kTrayToggleStartType:
        toggleStartType();
        break;
    default:
        break;
    }
    EndMenu();
}

void FTray::toggleStartType() {
    const DWORD type = toggledStartType(m_settings.startType);
    m_settings.startType = type;
    for (const wchar_t* shellKey : kVerbShellKeys) {
        removeShellVerb(shellKey);
        registerShellVerb(shellKey, m_settings.installDir);
    }
    if (type == 2)
        for (const wchar_t* shellKey : kVerbShellKeys)
            makeShellVerbDefault(shellKey);
    RegKey key = openSettingsForWriting();
    key.writeDword(settingName(SettingId::StartType), type);
}

void FTray::runSetup(const wchar_t* word) {
    const std::wstring program = joinPath(m_programFolder, L"PVNSet.exe");
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = L"open";
    info.lpFile = program.c_str();
    info.lpParameters = word;
    info.lpDirectory = m_programFolder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        reportLastError("exec.Exec()");
        return;
    }
    UniqueHandle process(info.hProcess);
    if (!process)
        return;
    // Requests (the settings program's own reload and hot-key requests among them) are answered
    // while it runs; a close asked for meanwhile ends the wait so that the loop sees it.
    HANDLE handles[] = {process.get()};
    for (;;) {
        if (!dispatchPendingMessages())
            break;
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, handles, 1000, QS_ALLINPUT,
                                                       MWMO_ALERTABLE | MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED)
            break;
    }
}

void FTray::openReadMe() {
    const std::wstring file = joinPath(m_settings.installDir, L"ReadMe.htm");
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(m_window, L"open", file.c_str(), L"",
                                                                m_settings.installDir.c_str(), SW_SHOWNORMAL));
    if (result <= 32)
        showMessage(L"ヘルプ起動エラー", m_window);
}

void FTray::registerHotKeys() {
    RegKey key = openSettingsForReading();
    for (const auto& slot : kHotKeySlots) {
        DWORD value = 0;
        key.readDword(settingName(slot.setting), value);
        if (auto combination = hotKeyFromSetting(value))
            RegisterHotKey(m_window, slot.id, combination->modifiers, combination->virtualKey);
    }
}

void FTray::unregisterHotKeys() {
    if (!m_window)
        return;
    for (const auto& slot : kHotKeySlots)
        UnregisterHotKey(m_window, slot.id);
}

LRESULT FTray::onHotKey(WPARAM id) {
    const auto action = hotKeyActionOf(static_cast<std::intptr_t>(id));
    if (!action)
        return 1;
    if (hotKeyTakesForeground(*action))
        SetForegroundWindow(m_window);
    switch (*action) {
    case HotKeyAction::DriveList:
        startFolderMenu(L"");
        break;
    case HotKeyAction::Recent:
        recentMenu(false);
        break;
    case HotKeyAction::Favorites:
        favoritesMenu(false);
        break;
    case HotKeyAction::LastFolder:
        lastFolder(false);
        break;
    case HotKeyAction::LastMenu:
        lastMenu();
        break;
    case HotKeyAction::Documents: {
        std::wstring documents = specialFolderPath(CSIDL_PERSONAL).value_or(L"");
        // Some systems end the folder with a backslash; the folder menu takes it without.
        if (documents.size() > 1 && documents.back() == L'\\' && !isDriveRoot(documents))
            documents.pop_back();
        startFolderMenu(documents);
        break;
    }
    }
    return 1;
}

} // namespace pvn
