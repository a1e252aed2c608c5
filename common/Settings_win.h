#pragma once
// The settings key in the registry: opening it, reading values into SettingsValues or into a
// program's own variables with the typed read each kind asks for, and writing the whole table.
// The rules themselves are the table's (SettingsTable, SettingsValues).
#include "common/RegKey_win.h"
#include "common/SettingsValues.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace pvn {

// HKEY_CURRENT_USER + kSettingsKey with KEY_QUERY_VALUE.
RegKey openSettingsForReading();
// KEY_SET_VALUE; installation creates the key when it is missing.
RegKey openSettingsForWriting(bool create = false);

// One value with the typed read of its kind. Missing, of another type or refused by the table (a
// face name that is too long): `values` is left as it was and the result is false.
bool readSetting(const RegKey& key, const SettingDef& def, SettingsValues& values);
// Every page value of the table, and the programs' own values when asked; returns how many were read.
int readSettings(const RegKey& key, SettingsValues& values, bool withKeptValues = false);

// Flags as 0/1, numbers as they are, texts with their NUL.
bool writeSetting(RegKey& key, const SettingDef& def, const SettingsValues& values);
// Every page value; false when one is missing from `values` or a write fails (the rest are still written).
bool writeSettings(RegKey& key, const SettingsValues& values);
// Open for writing (creating the key when asked), write every page value, flush and close.
bool saveSettings(const SettingsValues& values, bool createKey);

// A user's first installation: the tray has never stored its handle (or there is no key at all).
bool isFirstInstallation(const RegKey& readKey);

// CharLowerBuffW: the lower-casing the settings program applies to extensions and drive letters.
std::wstring lowerCaseText(std::wstring_view text);

// A program's own variable for one value: bool for a flag, DWORD for a flag or a number,
// std::wstring for a text.
struct SettingVariable {
    SettingId id;
    std::variant<bool*, DWORD*, std::wstring*> target;
};
// Reads each variable the way readSetting does; a variable of the wrong kind is skipped. Returns
// how many variables were set.
int readSettingVariables(const RegKey& key, std::span<const SettingVariable> variables);

} // namespace pvn
