#pragma once
// The resident tray runs only from the folder it was installed to.
#include <string_view>

namespace pvn {

// Exact, letter case included; "c:" and "c:\" name the same root.
bool isInstallFolder(std::wstring_view programFolder, std::wstring_view installDir);

inline constexpr wchar_t kNotInstallFolderMessage[] =
    L"インストールされたディレクトリから起動していません\nスタートアップから起動してください";
inline constexpr wchar_t kSetupMissingMessage[] = L"PVNSet.exe がインストールディレクトリにありません";

} // namespace pvn
