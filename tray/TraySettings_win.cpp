#include "tray/TraySettings_win.h"

#include "common/Paths.h"

namespace pvn {
namespace {

// Folders are kept without the quotes and blanks a hand-edited value may carry.
std::wstring cleanFolder(const std::wstring& text) { return trim(stripQuotes(trim(text))); }

} // namespace

void TraySettings::readFilers(const RegKey& key) {
    const SettingVariable filers[] = {{L"Filer0", &filer0}, {L"Filer1", &filer1}, {L"Filer2", &filer2}};
    readSettingVariables(key, filers);
}

void TraySettings::readInstallDir(const RegKey& key) {
    const SettingVariable folder[] = {{L"InstallDir", &installDir}};
    if (readSettingVariables(key, folder))
        installDir = cleanFolder(installDir);
}

void TraySettings::readAll(const RegKey& key) {
    const SettingVariable before[] = {
        {L"StartType", &startType},      {L"MenuOverFlow", &menuOverFlow},     {L"FolderIcon", &folderIcon},
        {L"FHistory", &fHistory},        {L"FOPRename", &fopRename},           {L"FOPAfter", &fopAfter},
        {L"RecentSortType", &recentSortType}, {L"ExcFav", &excFav},            {L"ExcRC", &excRC},
        {L"Favorites", &favorites},      {L"FavFName", &favFName},
    };
    readSettingVariables(key, before);
    readFilers(key);
    const SettingVariable preview[] = {
        {L"AsTextExtList", &asTextExtList}, {L"TTNumText", &ttNumText},   {L"TabNChar", &tabNChar},
        {L"TTFName", &ttFName},             {L"TTFPoint10", &ttFPoint10}, {L"TTHeight", &ttHeight},
        {L"TTWidth", &ttWidth},             {L"TTFileSize", &ttFileSize}, {L"TTEdgeCut", &ttEdgeCut},
        {L"AsMovieExtList", &asMovieExtList}, {L"SusiePluginDir", &susiePluginDir},
        {L"SusiePreview", &susiePreview},   {L"QES", &qes},
    };
    readSettingVariables(key, preview);
    susiePluginDir = cleanFolder(susiePluginDir);
    readInstallDir(key);
    const SettingVariable metrics[] = {{L"MenuHeight", &menuHeight}, {L"MenuSepHeight", &menuSepHeight}};
    readSettingVariables(key, metrics);
}

} // namespace pvn
