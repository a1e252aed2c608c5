#pragma once
// The per-user shell verb on folders and drives that starts the folder menu.
#include <string>

namespace pvn {

// Software\Classes\Directory\shell and Software\Classes\Drive\shell under HKEY_CURRENT_USER.
inline constexpr const wchar_t* kVerbShellKeys[] = {L"Software\\Classes\\Directory\\shell",
                                                    L"Software\\Classes\\Drive\\shell"};

// Deletes <shell>\Parvane\command, <shell>\Parvane and the shell key's default value.
void removeShellVerb(const wchar_t* shellKey);
// Creates <shell>\Parvane ("Parvane(&A)") and its command for PVNMain.exe in the install folder.
void registerShellVerb(const wchar_t* shellKey, const std::wstring& installDir);
// The default value "Parvane": a double click runs the verb.
void makeShellVerbDefault(const wchar_t* shellKey);

} // namespace pvn
