#pragma once
// Installation and uninstallation for the current user, from the folder PVNSet.exe runs in.
#include "common/RegKey_win.h"
#include "settings/InstallChecks.h"

#include <optional>
#include <string>

namespace pvn {

inline constexpr wchar_t kInstallDone[] = L"インストールが完了しました";
inline constexpr wchar_t kUninstallDone[] = L"アンインストールが完了しました";
inline constexpr wchar_t kDeleteListsQuestion[] = L"履歴、お気に入りファイルを削除していいですか";

class Installer {
public:
    explicit Installer(int osLevel);

    // The message that forbids installing from here, or nothing.
    std::optional<std::wstring> refusal() const;
    void install(bool wantDocuments, bool wantDriveList);
    void uninstall();

    const std::wstring& installDir() const { return m_installDir; }
    // "Parvane Ver.3.12" followed by " のインストール" or " のアンインストール".
    static std::wstring title(const wchar_t* operation);

private:
    int m_osLevel;
    RegKey m_classes;
    RegKey m_settings;
    HWND m_trayWindow = nullptr;
    std::optional<std::wstring> m_storedVersion;
    std::wstring m_dataFolder;
    std::wstring m_startupFolder;
    std::wstring m_desktopFolder;
    std::wstring m_installDir;
    bool m_is64BitWindows = false;
};

} // namespace pvn
