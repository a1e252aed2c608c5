// Installation, reinstallation, uninstallation and "alluninstall" driven through the real PVNSet as
// a user would, with the real tray started at the end of installation.
#include "common/ListFile_win.h"
#include "common/Paths.h"
#include "common/Paths_win.h"
#include "common/Settings_win.h"
#include "common/SettingsKey.h"
#include "common/TrayHandle_win.h"
#include "common/tests/support/TrayInstall_win.h"
#include "settings/PageBindings.h"
#include "settings/tests/SetupDriving_win.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <functional>
#include <map>

namespace pvn::test {
namespace {

constexpr wchar_t kInstallTitle[] = L"Parvane Ver.3.12 のインストール";
constexpr wchar_t kClsid[] = L"{E8843021-9D99-11D2-975A-444553540000}";

std::wstring classes(const std::wstring& key) { return L"Software\\Classes\\" + key; }

std::optional<std::wstring> text(HKEY root, const std::wstring& key, const wchar_t* name = L"",
                                 REGSAM view = 0) {
    std::wstring value;
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | view, &raw) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey owned(raw);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(raw, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    value.resize(size / sizeof(wchar_t));
    RegQueryValueExW(raw, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
    while (!value.empty() && value.back() == L'\0')
        value.pop_back();
    return value;
}

bool keyExists(HKEY root, const std::wstring& key, REGSAM view = 0) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | view, &raw) != ERROR_SUCCESS)
        return false;
    RegCloseKey(raw);
    return true;
}

void setText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value, REGSAM view = 0) {
    HKEY raw = nullptr;
    RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &raw, nullptr);
    UniqueKey owned(raw);
    RegSetValueExW(raw, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// Every key and value below a key, as "key|value" -> "type:bytes".
using Snapshot = std::map<std::wstring, std::wstring>;
void snapshot(HKEY root, const std::wstring& path, Snapshot& out) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return;
    UniqueKey key(raw);
    out[path] = L"(key)";
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD chars = 16384, type = 0, size = 0;
        if (RegEnumValueW(raw, i, name, &chars, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        chars = 16384;
        RegEnumValueW(raw, i, name, &chars, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
        data.resize(got / sizeof(wchar_t));
        out[path + L"|" + name] = std::to_wstring(type) + L":" + data;
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD chars = 256;
        if (RegEnumKeyExW(raw, i, name, &chars, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        // Wine's own settings change under any program.
        if (path.empty() && lstrcmpiW(name, L"Software") != 0)
            continue;
        if (path == L"Software" && lstrcmpiW(name, L"Wine") == 0)
            continue;
        snapshot(root, path.empty() ? name : path + L"\\" + name, out);
    }
}

std::vector<std::string> differences(const Snapshot& before, const Snapshot& after) {
    std::vector<std::string> diff;
    for (const auto& [k, v] : before)
        if (!after.count(k) || after.at(k) != v)
            diff.push_back("- " + toUtf8(k));
    for (const auto& [k, v] : after)
        if (!before.count(k))
            diff.push_back("+ " + toUtf8(k) + " = " + toUtf8(v));
    return diff;
}

struct LinkInfo {
    std::wstring target, arguments, workingFolder;
};
std::optional<LinkInfo> readShortcut(const std::wstring& path) {
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid())))
        return std::nullopt;
    ComPtr<IPersistFile> file = link.as<IPersistFile>(IID_IPersistFile);
    if (!file || FAILED(file->Load(path.c_str(), STGM_READ)))
        return std::nullopt;
    wchar_t buffer[MAX_PATH * 2] = {};
    LinkInfo info;
    link->GetPath(buffer, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
    info.target = buffer;
    link->GetArguments(buffer, MAX_PATH * 2);
    info.arguments = buffer;
    link->GetWorkingDirectory(buffer, MAX_PATH * 2);
    info.workingFolder = buffer;
    return info;
}

std::wstring folder(int csidl) { return specialFolderPath(csidl).value_or(L"?"); }

// The running tray's process, ended with WM_CLOSE.
void endTray() {
    HWND tray = FindWindowW(L"PVNTRAYWINCLASS", nullptr);
    if (!tray)
        return;
    DWORD pid = 0;
    GetWindowThreadProcessId(tray, &pid);
    UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, pid));
    PostMessageW(tray, WM_CLOSE, 0, 0);
    if (process)
        WaitForSingleObject(process.get(), 10000);
}

// No installation for this user: no settings, no registration, no shortcuts, no lists.
void forgetInstallation() {
    endTray();
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Morrick");
    for (const wchar_t* key : {L"Directory\\shell\\Parvane", L"Drive\\shell\\Parvane", L"CLSID\\{E8843021-9D99-11D2-975A-444553540000}",
                               L"Directory\\shellex\\ContextMenuHandlers\\PVNShlExMenu",
                               L"*\\shellex\\ContextMenuHandlers\\PVNShlExMenu",
                               L"lnkfile\\shellex\\ContextMenuHandlers\\PVNShlExMenu"})
        RegDeleteTreeW(HKEY_CURRENT_USER, classes(key).c_str());
    for (const wchar_t* shell : {L"Directory\\shell", L"Drive\\shell"}) {
        HKEY raw = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, classes(shell).c_str(), 0, KEY_SET_VALUE, &raw) == ERROR_SUCCESS) {
            RegDeleteValueW(raw, nullptr);
            RegCloseKey(raw);
        }
    }
    // Containers an earlier run created and left empty, as uninstallation would not have.
    for (const wchar_t* key : {L"Directory\\shell", L"Drive\\shell", L"Directory\\shellex\\ContextMenuHandlers",
                               L"Directory\\shellex", L"*\\shellex\\ContextMenuHandlers", L"*\\shellex",
                               L"lnkfile\\shellex\\ContextMenuHandlers", L"lnkfile\\shellex", L"Directory", L"Drive",
                               L"*", L"lnkfile", L"CLSID"}) {
        HKEY raw = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, classes(key).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
            continue;
        DWORD subKeys = 1, values = 1;
        RegQueryInfoKeyW(raw, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr);
        RegCloseKey(raw);
        if (subKeys == 0 && values == 0)
            RegDeleteKeyW(HKEY_CURRENT_USER, classes(key).c_str());
    }
    DeleteFileW((folder(CSIDL_STARTUP) + L"\\PVNTray.lnk").c_str());
    for (const wchar_t* link : {L"\\My Documents.lnk", L"\\Drive List.lnk"}) {
        DeleteFileW((folder(CSIDL_DESKTOPDIRECTORY) + link).c_str());
        removeTree(folder(CSIDL_DESKTOPDIRECTORY) + link);
    }
    for (const auto& path : {recentListPath(), favoritesListPath()})
        if (path)
            DeleteFileW(path->c_str());
}

// Starts PVNSet without a word and waits for its dialog with the checks done.
HWND openInstallDialog(SetupFolder& setup) {
    if (!setup.start())
        return nullptr;
    return waitForDialog(kInstallTitle, 15000);
}

TEST(SetupWinTest, EachCheckRefusesWithItsMessageAndLeavesTheDialogDisabled) {
    ScopedCoInit com;
    forgetInstallation();
    SetupFolder setup;
    struct Case {
        std::function<void()> arrange;
        std::wstring message;
    };
    const std::wstring old = L"Ver.1.xx, Ver.2.xx 以前からの上書きインストールはできません\n"
                             L"旧バージョンをアンインストールしてからインストールしてください";
    const Case cases[] = {
        {[&] { DeleteFileW(setup.file(L"image\\fop2.png").c_str()); }, L"image\\fop2.png が存在しません"},
        {[&] {
             writeWholeFile(setup.file(L"image\\fop2.png"), "x");
             setText(HKEY_CURRENT_USER, L"Software\\Morrick\\Tamsel", L"x", L"1");
             setText(HKEY_CURRENT_USER, L"Software\\Morrick\\Ostrid", L"x", L"1");
         },
         L"Tamsel をアンインストールしてください"},
        {[&] { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Morrick\\Tamsel"); }, L"Ostrid をアンインストールしてください"},
        {[&] {
             RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Morrick\\Ostrid");
             setText(HKEY_CURRENT_USER, kSettingsKey, L"Version", L"Ver.2.50");
         },
         old},
    };
    for (const Case& c : cases) {
        c.arrange();
        HWND dialog = openInstallDialog(setup);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(c.message, answerBox(IDOK).value_or(L"(no box)"));
        for (int id : {3302, 3303, 3307, 3308, 3311})
            EXPECT_FALSE(isEnabled(dialog, id)) << id;
        EXPECT_TRUE(isEnabled(dialog, 3310));
        clickButton(dialog, 3310);
        EXPECT_EQ(0u, setup.wait().value_or(99));
    }
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, classes(L"Directory\\shell\\Parvane"))) << "nothing installed";
    forgetInstallation();
}

void expectInstalled(const SetupFolder& setup) {
    const std::wstring command = L"\"" + setup.file(L"PVNMain.exe") + L"\" %L";
    for (const wchar_t* type : {L"Directory", L"Drive"}) {
        const std::wstring shell = std::wstring(type) + L"\\shell";
        EXPECT_EQ(L"Parvane", text(HKEY_CURRENT_USER, classes(shell)).value_or(L"")) << "start type 2";
        EXPECT_EQ(L"Parvane(&A)", text(HKEY_CURRENT_USER, classes(shell + L"\\Parvane")).value_or(L""));
        EXPECT_EQ(command, text(HKEY_CURRENT_USER, classes(shell + L"\\Parvane\\command")).value_or(L""));
    }
    const std::wstring clsid = classes(std::wstring(L"CLSID\\") + kClsid);
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        EXPECT_EQ(L"PVNShlEx Shell Extension", text(HKEY_CURRENT_USER, clsid, L"", view).value_or(L""));
        // Wine keeps one view of the user's classes: the 32-bit library, written last, is what both
        // views show (Windows keeps the 64-bit one in its own view; the plan's native test covers it).
        EXPECT_EQ(setup.file(L"PVNShlEx32.dll"),
                  text(HKEY_CURRENT_USER, clsid + L"\\InProcServer32", L"", view).value_or(L""));
        EXPECT_EQ(L"Apartment",
                  text(HKEY_CURRENT_USER, clsid + L"\\InProcServer32", L"ThreadingModel", view).value_or(L""));
    }
    for (const wchar_t* type : {L"Directory", L"*", L"lnkfile"})
        EXPECT_EQ(kClsid, text(HKEY_CURRENT_USER,
                               classes(std::wstring(type) + L"\\shellex\\ContextMenuHandlers\\PVNShlExMenu"))
                              .value_or(L""));

    const auto tray = readShortcut(folder(CSIDL_STARTUP) + L"\\PVNTray.lnk");
    ASSERT_TRUE(tray);
    EXPECT_EQ(setup.file(L"PVNTray.exe"), tray->target);
    EXPECT_EQ(L"", tray->arguments);
    EXPECT_EQ(setup.folder(), tray->workingFolder);

    for (const auto& path : {recentListPath(), favoritesListPath()})
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.value_or(L"?").c_str()));

    EXPECT_EQ(setup.folder(), text(HKEY_CURRENT_USER, kSettingsKey, L"InstallDir").value_or(L""));
    EXPECT_EQ(L"Ver.3.12", text(HKEY_CURRENT_USER, kSettingsKey, L"Version").value_or(L""));
}

// The resident tray: its window, published and answering the presence test.
HWND residentTray() {
    for (int i = 0; i < 250; ++i) {
        HWND tray = FindWindowW(L"PVNTRAYWINCLASS", nullptr);
        if (tray && readTrayHandle() == tray && sendRequest(tray, 4).value_or(0) == 1)
            return tray;
        Sleep(40);
    }
    return nullptr;
}

DWORD processOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

TEST(SetupWinTest, InstallReinstallAndUninstallLeaveTheRegistryAsFound) {
    ScopedCoInit com;
    forgetInstallation();
    // Another product of the maker: its settings keep the vendor key at uninstallation.
    setText(HKEY_CURRENT_USER, L"Software\\Morrick\\Other", L"Kept", L"yes");
    Snapshot before;
    snapshot(HKEY_CURRENT_USER, L"", before);

    SetupFolder setup;
    HWND dialog = openInstallDialog(setup);
    ASSERT_TRUE(dialog);
    for (int i = 0; i < 100 && !isEnabled(dialog, 3311); ++i)
        Sleep(50);
    for (int id : {3302, 3303, 3307, 3308, 3311})
        EXPECT_TRUE(isEnabled(dialog, id)) << id;
    EXPECT_EQ(UINT{BST_CHECKED}, IsDlgButtonChecked(dialog, 3302));
    EXPECT_EQ(UINT{BST_CHECKED}, IsDlgButtonChecked(dialog, 3307));
    EXPECT_EQ(UINT{BST_CHECKED}, IsDlgButtonChecked(dialog, 3308));
    wchar_t shown[MAX_PATH] = {};
    GetDlgItemTextW(dialog, 3304, shown, MAX_PATH);
    EXPECT_EQ(setup.folder() + L"\\*", shown);
    clickButton(dialog, 3311);
    // A first installation resets every page, and the start page tells what that chose.
    EXPECT_EQ(L"ドライブ・フォルダの（ダブル）クリックでメニュー起動にしました。\n"
              L"右クリックからメニュー起動をする方法も試してください。",
              answerBox(IDOK).value_or(L"(no box)"));
    EXPECT_EQ(L"インストールが完了しました", answerBox(IDOK).value_or(L"(no box)"));
    EXPECT_EQ(0u, setup.wait().value_or(99));

    expectInstalled(setup);
    const std::wstring desktop = folder(CSIDL_DESKTOPDIRECTORY);
    const auto documents = readShortcut(desktop + L"\\My Documents.lnk");
    const auto drives = readShortcut(desktop + L"\\Drive List.lnk");
    ASSERT_TRUE(documents && drives);
    EXPECT_EQ(setup.file(L"PVNMain.exe"), documents->target);
    EXPECT_EQ(folder(CSIDL_PERSONAL), documents->arguments);
    EXPECT_EQ(setup.folder(), documents->workingFolder);
    EXPECT_EQ(setup.file(L"PVNMain.exe"), drives->target);
    EXPECT_EQ(L"", drives->arguments);

    // Every value at its Install value: this user's first installation.
    SettingsValues expected;
    ComputedDefaults computed;
    computed.programFolder = setup.folder();
    expected.resetToInstall(computed);
    SettingsValues stored;
    readSettings(openSettingsForReading(), stored);
    for (const SettingDef& def : settingsTable()) {
        // A page still to be built writes nothing yet.
        if (def.keptByPrograms() || pageBindings(def.page).empty())
            continue;
        if (def.kind == SettingKind::Text)
            EXPECT_EQ(expected.text(def.name), stored.text(def.name)) << toUtf8(def.name);
        else
            EXPECT_EQ(expected.number(def.name), stored.number(def.name)) << toUtf8(def.name);
    }

    HWND firstTray = residentTray();
    ASSERT_TRUE(firstTray) << "the tray started at the end";

    // The user changes a setting and the start type; a second installation keeps the one and sets
    // start type 2 again, closing the running tray and starting a new one.
    RegKey(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE).writeDword(L"FileNum", 123);
    ASSERT_TRUE(setup.start(L"starttype1"));
    EXPECT_EQ(0u, setup.wait().value_or(99));
    EXPECT_FALSE(text(HKEY_CURRENT_USER, classes(L"Drive\\shell"))) << "start type 1 has no default verb";
    EXPECT_TRUE(text(HKEY_CURRENT_USER, classes(L"Drive\\shell\\Parvane\\command")));

    const DWORD firstPid = processOf(firstTray);
    UniqueHandle firstProcess(OpenProcess(SYNCHRONIZE, FALSE, firstPid));
    dialog = openInstallDialog(setup);
    ASSERT_TRUE(dialog);
    for (int i = 0; i < 100 && !isEnabled(dialog, 3311); ++i)
        Sleep(50);
    clickButton(dialog, 3311);
    EXPECT_EQ(desktop + L"\\My Documents.lnk を置き換えますか", answerBox(IDYES).value_or(L"(no box)"));
    EXPECT_EQ(desktop + L"\\Drive List.lnk を置き換えますか", answerBox(IDNO).value_or(L"(no box)"));
    EXPECT_EQ(L"インストールが完了しました", answerBox(IDOK).value_or(L"(no box)"));
    EXPECT_EQ(0u, setup.wait().value_or(99));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(firstProcess.get(), 5000)) << "the old tray was closed";
    HWND secondTray = residentTray();
    ASSERT_TRUE(secondTray);
    EXPECT_NE(firstPid, processOf(secondTray));
    expectInstalled(setup);
    DWORD fileNum = 0;
    openSettingsForReading().readDword(L"FileNum", fileNum);
    EXPECT_EQ(123u, fileNum) << "settings survive a reinstallation";

    // Uninstallation: lists deleted, one desktop shortcut kept by the user's answer.
    dialog = openInstallDialog(setup);
    ASSERT_TRUE(dialog);
    for (int i = 0; i < 100 && !isEnabled(dialog, 3311); ++i)
        Sleep(50);
    clickButton(dialog, 3303);
    for (int i = 0; i < 100 && isEnabled(dialog, 3307); ++i)
        Sleep(20);
    EXPECT_FALSE(isEnabled(dialog, 3307));
    EXPECT_FALSE(isEnabled(dialog, 3308));
    wchar_t caption[64] = {};
    GetDlgItemTextW(dialog, 3311, caption, 64);
    EXPECT_STREQ(L"アンインストール", caption);
    clickButton(dialog, 3311);
    EXPECT_EQ(L"履歴、お気に入りファイルを削除していいですか", answerBox(IDYES).value_or(L"(no box)"));
    EXPECT_EQ(desktop + L"\\My Documents.lnk を削除していいですか", answerBox(IDYES).value_or(L"(no box)"));
    EXPECT_EQ(desktop + L"\\Drive List.lnk を削除していいですか", answerBox(IDNO).value_or(L"(no box)"));
    EXPECT_EQ(L"アンインストールが完了しました", answerBox(IDOK).value_or(L"(no box)"));
    EXPECT_EQ(0u, setup.wait().value_or(99));

    for (int i = 0; i < 100 && FindWindowW(L"PVNTRAYWINCLASS", nullptr); ++i)
        Sleep(50);
    EXPECT_FALSE(FindWindowW(L"PVNTRAYWINCLASS", nullptr)) << "the tray was asked to close";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((folder(CSIDL_STARTUP) + L"\\PVNTray.lnk").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((desktop + L"\\My Documents.lnk").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((desktop + L"\\Drive List.lnk").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(recentListPath().value_or(L"?").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(setup.file(L"PVNSet.exe").c_str())) << "program folder stays";

    Snapshot after;
    snapshot(HKEY_CURRENT_USER, L"", after);
    const auto diff = differences(before, after);
    EXPECT_TRUE(diff.empty()) << [&] {
        std::string all;
        for (const auto& line : diff)
            all += line + "\n";
        return all;
    }();
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Morrick");
    forgetInstallation();
}

TEST(SetupWinTest, RemoveAllAsksForEachFileAndDeletesOnlyWhatIsOurs) {
    forgetInstallation();
    const std::wstring windows = folder(CSIDL_WINDOWS);
    const std::wstring startup = folder(CSIDL_STARTUP);
    const std::wstring desktop = folder(CSIDL_DESKTOPDIRECTORY);
    const std::wstring data = parentFolder(recentListPath().value_or(L"?"));
    CreateDirectoryW(data.c_str(), nullptr);
    CreateDirectoryW((windows + L"\\Inf").c_str(), nullptr);
    const std::vector<std::wstring> files{data + L"\\PVNFavorites.lst", data + L"\\PVNRecent.lst",
                                          windows + L"\\TSL.exe",       windows + L"\\TSL.log",
                                          windows + L"\\Inf\\TSL95.inf", startup + L"\\TSLSetup.lnk",
                                          desktop + L"\\My Documents.lnk"};
    for (const auto& file : files)
        writeWholeFile(file, "x");
    // A folder of a shortcut's name that cannot be removed: its failure is reported.
    const std::wstring stubborn = desktop + L"\\Drive List.lnk";
    CreateDirectoryW(stubborn.c_str(), nullptr);
    writeWholeFile(stubborn + L"\\inside.txt", "x");

    const REGSAM v32 = KEY_WOW64_32KEY;
    for (const wchar_t* product : {L"Tamsel", L"Ostrid", L"Parvane"})
        setText(HKEY_CURRENT_USER, std::wstring(L"Software\\Morrick\\") + product, L"x", L"1", v32);
    const std::wstring clsid = std::wstring(L"CLSID\\") + kClsid;
    setText(HKEY_CURRENT_USER, classes(clsid + L"\\InProcServer32"), L"", L"old.dll", v32);
    setText(HKEY_CURRENT_USER, classes(L"*\\shellex\\ContextMenuHandlers\\PVNListMenu"), L"", kClsid, v32);
    const std::wstring uninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
    setText(HKEY_CURRENT_USER, uninstall + L"Parvane", L"x", L"1", v32);
    setText(HKEY_CLASSES_ROOT, L"Folder\\shell\\Tamsel\\command", L"", L"tsl.exe", v32);
    setText(HKEY_CLASSES_ROOT, L"Folder\\shell", L"", L"Tamsel", v32);
    setText(HKEY_CLASSES_ROOT, L"Drive\\shell\\OtherVerb\\command", L"", L"other.exe", v32);
    setText(HKEY_CLASSES_ROOT, L"Drive\\shell", L"", L"OtherVerb", v32);
    setText(HKEY_LOCAL_MACHINE, uninstall + L"Tamsel", L"x", L"1", v32);
    setText(HKEY_LOCAL_MACHINE, uninstall + L"Ostrid", L"x", L"1", v32);

    SetupFolder setup;
    ASSERT_TRUE(setup.start(L"alluninstall"));
    EXPECT_EQ(L"Tamsel, Ostrid, Parvane 全てをアンインストールします。よろしいですか？",
              answerBox(IDNO).value_or(L"(no box)"));
    EXPECT_EQ(0u, setup.wait().value_or(99));
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, L"Software\\Morrick\\Tamsel", v32)) << "No changes nothing";

    ASSERT_TRUE(setup.start(L"alluninstall"));
    EXPECT_TRUE(answerBox(IDYES));
    for (const auto& file : files)
        EXPECT_EQ(file + L" を削除します。よろしいですか？", answerBox(file == windows + L"\\TSL.log" ? IDNO : IDYES).value_or(L"(no box)"));
    EXPECT_EQ(stubborn + L" を削除します。よろしいですか？", answerBox(IDYES).value_or(L"(no box)"));
    EXPECT_EQ(stubborn + L" の削除に失敗しました。", answerBox(IDOK).value_or(L"(no box)"));
    EXPECT_EQ(L"処理は完了しました\nインストールディレクトリは手動で削除してください。", answerBox(IDOK).value_or(L"(no box)"));
    EXPECT_EQ(0u, setup.wait().value_or(99));

    for (const auto& file : files)
        EXPECT_EQ(file == windows + L"\\TSL.log", GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES)
            << toUtf8(file);
    for (const wchar_t* product : {L"Tamsel", L"Ostrid", L"Parvane"})
        EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, std::wstring(L"Software\\Morrick\\") + product, v32));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, classes(clsid), v32));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, classes(L"*\\shellex\\ContextMenuHandlers\\PVNListMenu"), v32));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, uninstall + L"Parvane", v32));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"Folder\\shell\\Tamsel", v32));
    EXPECT_FALSE(text(HKEY_CLASSES_ROOT, L"Folder\\shell", L"", v32)) << "our default verb goes";
    EXPECT_EQ(L"OtherVerb", text(HKEY_CLASSES_ROOT, L"Drive\\shell", L"", v32).value_or(L""))
        << "another program's default verb stays";
    EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, uninstall + L"Tamsel", v32));
    EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, uninstall + L"Ostrid", v32));

    DeleteFileW((windows + L"\\TSL.log").c_str());
    removeTree(stubborn);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Drive\\shell\\OtherVerb");
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"Drive\\shell", 0, KEY_SET_VALUE | v32, &raw) == ERROR_SUCCESS) {
        RegDeleteValueW(raw, nullptr);
        RegCloseKey(raw);
    }
    forgetInstallation();
}

} // namespace
} // namespace pvn::test
