#include "tray/ShellVerb_win.h"

#include "common/RegKey_win.h"
#include "tray/TrayMenuRules.h"

namespace pvn {
namespace {

std::wstring verbKey(const wchar_t* shellKey) { return std::wstring(shellKey) + L"\\" + kVerbName; }

} // namespace

void removeShellVerb(const wchar_t* shellKey) {
    RegKey shell(HKEY_CURRENT_USER, shellKey, KEY_ALL_ACCESS);
    if (!shell.isOpen())
        return;
    shell.deleteSubKey(std::wstring(kVerbName) + L"\\command");
    shell.deleteSubKey(kVerbName);
    shell.deleteValue(L"");
}

void registerShellVerb(const wchar_t* shellKey, const std::wstring& installDir) {
    RegKey verb(HKEY_CURRENT_USER, verbKey(shellKey), KEY_ALL_ACCESS, true);
    verb.writeString(L"", kVerbText);
    RegKey command(HKEY_CURRENT_USER, verbKey(shellKey) + L"\\command", KEY_ALL_ACCESS, true);
    command.writeString(L"", verbCommandLine(installDir));
}

void makeShellVerbDefault(const wchar_t* shellKey) {
    RegKey shell(HKEY_CURRENT_USER, shellKey, KEY_ALL_ACCESS, true);
    shell.writeString(L"", kVerbName);
}

} // namespace pvn
