#include "menu/MainProgram_win.h"

#include "menu/FolderMenu_win.h"
#include "menu/OpenDecision.h"
#include "menu/PhaseMark_win.h"
#include "menu/ShellListing_win.h"

#include "common/ErrorBox_win.h"
#include "common/IntegrityCheck_win.h"
#include "common/ListFile_win.h"
#include "common/MessagePump_win.h"
#include "common/OpenFolderInFiler_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/RequestMessage_win.h"
#include "common/Settings_win.h"
#include "common/TrayHandle_win.h"
#include "common/TraySender_win.h"

#include <cstdlib>

namespace pvn {
namespace {

constexpr int kClickDistance = 100;

HWND foregroundExplorer() {
    HWND window = GetForegroundWindow();
    wchar_t name[29] = L"";
    if (!window || !GetClassNameW(window, name, 29) || lstrcmpiW(name, L"CabinetWClass") != 0)
        return nullptr;
    return window;
}

// The folder argument: a quoted one loses its first and last character.
std::wstring folderArgument() {
    std::wstring arguments = splitProcessCommandLine().arguments;
    if (!arguments.empty() && arguments.front() == L'"')
        arguments = arguments.size() >= 2 ? arguments.substr(1, arguments.size() - 2) : std::wstring();
    return arguments;
}

void readStartSettings(const RegKey& key, MainContext& context) {
    if (std::optional<HWND> tray = readTrayHandle(key))
        context.tray = *tray;
    std::wstring drive;
    const SettingVariable variables[] = {{SettingId::OrgClose, &context.orgClose},
                                         {SettingId::Drive, &drive},
                                         {SettingId::Filer0, &context.filer0},
                                         {SettingId::Filer1, &context.filer1},
                                         {SettingId::Filer2, &context.filer2}};
    readSettingVariables(key, variables);
    if (drive.size() <= 26)
        context.drive = drive;
}

OpenSettings readOpenSettings(const RegKey& key, const MainContext& context) {
    OpenSettings s;
    DWORD startType = 0, openKey = 0;
    const SettingVariable variables[] = {
        {SettingId::StartType, &startType}, {SettingId::OpenBottom, &s.openBottom},
        {SettingId::OpenNet, &s.openNet},   {SettingId::DrvOther, &s.otherDrives},
        {SettingId::OpenKey, &openKey},     {SettingId::OpenPush, &s.openPush}};
    readSettingVariables(key, variables);
    s.startType = startType;
    s.openKey = openKey;
    s.drives = context.drive;
    return s;
}

OpenDecision decide(const std::wstring& path, const RegKey& key, const MainContext& context) {
    const OpenSettings settings = readOpenSettings(key, context);
    OpenProbes probes;
    probes.trayAnswers = [&context] {
        return TraySender(context.tray).answer(makeBareRequest(RequestCode::PresenceTest)) != 0;
    };
    probes.hasSubFolder = hasSubFolder;
    probes.driveExists = [](const std::wstring& root) {
        const UINT type = GetDriveTypeW(root.c_str());
        return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR;
    };
    probes.keyHeld = [](unsigned virtualKey) {
        return (GetAsyncKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0;
    };
    probes.lowerCase = [](std::wstring_view text) { return lowerCase(text); };
    return decideOpen(path, settings, probes);
}

// Shows the menu unless the cursor went too far while the starting button was still held.
void runFolderMenu(MainContext& context, const std::wstring& path, const RegKey& key) {
    FolderMenu menu(context, path, key);
    menu.prepareTooltip(key);
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    while (GetAsyncKeyState(button) & 0x8000) {
        Sleep(10);
        dispatchPendingMessages();
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    const POINT start = menu.startPoint();
    if (std::abs(cursor.x - start.x) > kClickDistance || std::abs(cursor.y - start.y) > kClickDistance)
        return;
    markPhase("button");
    // A click on the program's own window under the cursor gives it the foreground, without which
    // the menu would not close when the user clicks elsewhere.
    mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    dispatchPendingMessages();
    SetForegroundWindow(menu.window());
    SetFocus(menu.window());
    SendMessageW(menu.window(), WM_NULL, 0, 0);
    markPhase("foreground");
    PostMessageW(menu.window(), context.message, toWParam(RequestCode::RunMenu), 0);
    messageLoop();
}

} // namespace

int runMainProgram(HINSTANCE instance) {
    if (!verifyOwnFile())
        return 1;
    markPhase("integrity");
    registryViewFlag();
    MainContext context;
    context.instance = instance;
    context.explorer = foregroundExplorer();
    const std::wstring path = folderArgument();

    RegKey key = openSettingsForReading();
    if (!key.isOpen()) {
        OpenFolderInFiler(path, L"OF Reg Open Error", L"", L"", L"", false, nullptr);
        return 1;
    }
    readStartSettings(key, context);
    context.message = requestMessage();
    markPhase("settings");

    const OpenDecision decision = decide(path, key, context);
    markPhase("presence");
    if (decision.showMenu) {
        runFolderMenu(context, path, key);
    } else if (decision.asConfigured) {
        // A folder that could not be opened (it no longer exists) is no history.
        if (OpenFolderInFiler(path, decision.reason, context.filer0, context.filer1, context.filer2,
                              context.orgClose, context.explorer))
            AppendRecentFolder(path);
    } else {
        OpenFolderInFiler(path, decision.reason, L"", L"", L"", false, nullptr);
    }
    key.close();
    return 0;
}

} // namespace pvn
