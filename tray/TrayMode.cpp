#include "tray/TrayMode.h"

namespace pvn {

TrayMode parseTrayMode(std::wstring_view arguments) {
    if (arguments.empty())
        return TrayMode::Resident;
    if (arguments == L"recent")
        return TrayMode::Recent;
    if (arguments == L"favorites")
        return TrayMode::Favorites;
    if (arguments == L"last")
        return TrayMode::Last;
    if (arguments == L"lastmenu")
        return TrayMode::LastMenu;
    return TrayMode::Refused;
}

std::wstring trayMutexName(std::wstring_view arguments) {
    return L"PVNTray.exe " + std::wstring(arguments);
}

} // namespace pvn
