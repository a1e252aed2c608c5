#pragma once
// The tray's copy of the settings key: the values it uses, read in one pass at start and on the
// reload request. A value that is missing or of another type leaves the member as it was.
#include "common/Settings_win.h"

#include <string>

namespace pvn {

struct TraySettings {
    // Until the key is read: what installation writes.
    DWORD startType = installNumber(SettingId::StartType);
    DWORD menuOverFlow = installNumber(SettingId::MenuOverFlow);
    bool folderIcon = installFlag(SettingId::FolderIcon);
    bool fHistory = installFlag(SettingId::FHistory);
    DWORD fopRename = installNumber(SettingId::FOPRename);
    DWORD fopAfter = installNumber(SettingId::FOPAfter);
    DWORD recentSortType = installNumber(SettingId::RecentSortType);
    bool excFav = installFlag(SettingId::ExcFav);
    bool excRC = installFlag(SettingId::ExcRC);
    bool favorites = installFlag(SettingId::Favorites);
    bool favFName = installFlag(SettingId::FavFName);
    std::wstring filer0 = installText(SettingId::Filer0);
    std::wstring filer1 = installText(SettingId::Filer1);
    std::wstring filer2 = installText(SettingId::Filer2);
    // Preview values.
    std::wstring asTextExtList = installText(SettingId::AsTextExtList);
    DWORD ttNumText = installNumber(SettingId::TTNumText);
    DWORD tabNChar = installNumber(SettingId::TabNChar);
    std::wstring ttFName = installText(SettingId::TTFName);
    DWORD ttFPoint10 = installNumber(SettingId::TTFPoint10);
    DWORD ttHeight = installNumber(SettingId::TTHeight);
    DWORD ttWidth = installNumber(SettingId::TTWidth);
    DWORD ttFileSize = installNumber(SettingId::TTFileSize);
    bool ttEdgeCut = installFlag(SettingId::TTEdgeCut);
    std::wstring asMovieExtList = installText(SettingId::AsMovieExtList);
    // Installation writes the installation folder; without a stored value the tray loads no plug-in.
    std::wstring susiePluginDir;
    bool susiePreview = installFlag(SettingId::SusiePreview);
    bool qes = installFlag(SettingId::QES);
    // Kept by the programs: no Install value.
    std::wstring installDir;
    DWORD menuHeight = 0;
    DWORD menuSepHeight = 0;

    // Everything above, in that order.
    void readAll(const RegKey& key);
    // What a command-line run reads for itself.
    void readFilers(const RegKey& key);
    void readInstallDir(const RegKey& key);
};

} // namespace pvn
