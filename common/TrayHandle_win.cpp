#include "common/TrayHandle_win.h"

#include "common/SettingsKey.h"

namespace pvn {

DWORD trayHandleToDword(HWND window) { return HandleToULong(window); }

HWND trayHandleFromDword(DWORD value) { return static_cast<HWND>(LongToHandle(static_cast<LONG>(value))); }

std::optional<HWND> readTrayHandle(const RegKey& settings) {
    DWORD value = 0;
    if (!settings.readDword(settingName(SettingId::PVNTrayHandle), value))
        return std::nullopt;
    return trayHandleFromDword(value);
}

std::optional<HWND> readTrayHandle() {
    RegKey settings(HKEY_CURRENT_USER, kSettingsKey, KEY_READ);
    return readTrayHandle(settings);
}

bool writeTrayHandle(RegKey& settings, HWND tray) {
    return settings.writeDword(settingName(SettingId::PVNTrayHandle), trayHandleToDword(tray));
}

} // namespace pvn
