#include "tray/TraySettings_win.h"

#include "common/Paths.h"

namespace pvn {
namespace {

// Folders are kept without the quotes and blanks a hand-edited value may carry.
std::wstring cleanFolder(const std::wstring& text) { return trim(stripQuotes(trim(text))); }

} // namespace

void TraySettings::readFilers(const RegKey& key) {
    const SettingVariable filers[] = {
        {SettingId::Filer0, &filer0}, {SettingId::Filer1, &filer1}, {SettingId::Filer2, &filer2}};
    readSettingVariables(key, filers);
}

void TraySettings::readInstallDir(const RegKey& key) {
    const SettingVariable folder[] = {{SettingId::InstallDir, &installDir}};
    if (readSettingVariables(key, folder))
        installDir = cleanFolder(installDir);
}

void TraySettings::readAll(const RegKey& key) {
    const SettingVariable before[] = {
        {SettingId::StartType, &startType},
        {SettingId::MenuOverFlow, &menuOverFlow},
        {SettingId::FolderIcon, &folderIcon},
        {SettingId::FHistory, &fHistory},
        {SettingId::FOPRename, &fopRename},
        {SettingId::FOPAfter, &fopAfter},
        {SettingId::RecentSortType, &recentSortType},
        {SettingId::ExcFav, &excFav},
        {SettingId::ExcRC, &excRC},
        {SettingId::Favorites, &favorites},
        {SettingId::FavFName, &favFName},
    };
    readSettingVariables(key, before);
    readFilers(key);
    const SettingVariable preview[] = {
        {SettingId::AsTextExtList, &asTextExtList},
        {SettingId::TTNumText, &ttNumText},
        {SettingId::TabNChar, &tabNChar},
        {SettingId::TTFName, &ttFName},
        {SettingId::TTFPoint10, &ttFPoint10},
        {SettingId::TTHeight, &ttHeight},
        {SettingId::TTWidth, &ttWidth},
        {SettingId::TTFileSize, &ttFileSize},
        {SettingId::TTEdgeCut, &ttEdgeCut},
        {SettingId::AsMovieExtList, &asMovieExtList},
        {SettingId::SusiePluginDir, &susiePluginDir},
        {SettingId::SusiePreview, &susiePreview},
        {SettingId::QES, &qes},
    };
    readSettingVariables(key, preview);
    susiePluginDir = cleanFolder(susiePluginDir);
    readInstallDir(key);
    const SettingVariable metrics[] = {{SettingId::MenuHeight, &menuHeight},
                                       {SettingId::MenuSepHeight, &menuSepHeight}};
    readSettingVariables(key, metrics);
}

} // namespace pvn
