#pragma once
// The tray's copy of the settings key: the values it uses, read in one pass at start and on the
// reload request. A value that is missing or of another type leaves the member as it was.
#include "common/Settings_win.h"

#include <string>

namespace pvn {

struct TraySettings {
    DWORD startType = 2;
    DWORD menuOverFlow = 2;
    bool folderIcon = true;
    bool fHistory = true;
    DWORD fopRename = 1;
    DWORD fopAfter = 2;
    DWORD recentSortType = 1;
    bool excFav = false;
    bool excRC = false;
    bool favorites = false;
    bool favFName = true;
    std::wstring filer0, filer1, filer2;
    // Preview values.
    std::wstring asTextExtList = L"txt;cpp;h;";
    DWORD ttNumText = 10;
    DWORD tabNChar = 4;
    std::wstring ttFName = L"ＭＳ ゴシック";
    DWORD ttFPoint10 = 100;
    DWORD ttHeight = 500;
    DWORD ttWidth = 500;
    DWORD ttFileSize = 10;
    bool ttEdgeCut = true;
    std::wstring asMovieExtList = L"aif;avi;cda;mid;mp3;mpg;rmi;wav;";
    std::wstring susiePluginDir;
    bool susiePreview = true;
    bool qes = false;
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
