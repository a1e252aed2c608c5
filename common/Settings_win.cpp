#include "common/Settings_win.h"

#include "common/SettingsKey.h"

#include <limits>
#include <type_traits>

namespace pvn {
namespace {

// A flag or number as DWORD, a text as wstring; false when missing, of another type or refused.
bool readRaw(const RegKey& key, const SettingDef& def, SettingsValues::Value& out) {
    if (def.kind == SettingKind::Text) {
        std::wstring text;
        if (!key.readString(def.name.c_str(), text) || !def.acceptsText(text))
            return false;
        out = std::move(text);
        return true;
    }
    DWORD number = 0;
    if (!key.readDword(def.name.c_str(), number))
        return false;
    out = static_cast<std::uint32_t>(number);
    return true;
}

} // namespace

RegKey openSettingsForReading() {
    return RegKey(HKEY_CURRENT_USER, kSettingsKey, KEY_QUERY_VALUE);
}

RegKey openSettingsForWriting(bool create) {
    return RegKey(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE, create);
}

bool readSetting(const RegKey& key, const SettingDef& def, SettingsValues& values) {
    SettingsValues::Value value;
    return readRaw(key, def, value) && values.acceptRead(def, std::move(value));
}

int readSettings(const RegKey& key, SettingsValues& values, bool withKeptValues) {
    int read = 0;
    for (const SettingDef& def : settingsTable())
        if (withKeptValues || !def.keptByPrograms())
            read += readSetting(key, def, values) ? 1 : 0;
    return read;
}

bool writeSetting(RegKey& key, const SettingDef& def, const SettingsValues& values) {
    switch (def.kind) {
    case SettingKind::Flag:
        if (auto on = values.flag(def.name))
            return key.writeBool(def.name.c_str(), *on);
        return false;
    case SettingKind::Number:
        if (auto n = values.number(def.name))
            return key.writeDword(def.name.c_str(), *n);
        return false;
    case SettingKind::Text:
        if (auto t = values.text(def.name))
            return key.writeString(def.name.c_str(), *t);
        return false;
    }
    return false;
}

bool writeSettings(RegKey& key, const SettingsValues& values) {
    bool all = true;
    for (const SettingDef& def : settingsTable())
        if (!def.keptByPrograms())
            all = writeSetting(key, def, values) && all;
    return all;
}

bool saveSettings(const SettingsValues& values, bool createKey) {
    RegKey key = openSettingsForWriting(createKey);
    if (!key.isOpen())
        return false;
    bool written = writeSettings(key, values);
    key.close();
    return written;
}

bool isFirstInstallation(const RegKey& readKey) {
    DWORD handle = 0;
    return !readKey.readDword(settingName(SettingId::PVNTrayHandle), handle);
}

std::wstring lowerCaseText(std::wstring_view text) {
    std::wstring out(text);
    // CharLowerBuffW takes a DWORD count; settings texts are far below that.
    if (!out.empty() && out.size() <= std::numeric_limits<DWORD>::max())
        CharLowerBuffW(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

int readSettingVariables(const RegKey& key, std::span<const SettingVariable> variables) {
    int read = 0;
    for (const SettingVariable& variable : variables) {
        const SettingDef* def = &settingDef(variable.id);
        SettingsValues::Value value;
        bool ok = std::visit(
            [&](auto* target) {
                using T = std::remove_pointer_t<decltype(target)>;
                if (!target)
                    return false;
                if constexpr (std::is_same_v<T, bool>) {
                    if (def->kind != SettingKind::Flag || !readRaw(key, *def, value))
                        return false;
                    *target = std::get<std::uint32_t>(value) != 0;
                } else if constexpr (std::is_same_v<T, DWORD>) {
                    if (def->kind == SettingKind::Text || !readRaw(key, *def, value))
                        return false;
                    *target = std::get<std::uint32_t>(value);
                } else {
                    if (def->kind != SettingKind::Text || !readRaw(key, *def, value))
                        return false;
                    *target = std::move(std::get<std::wstring>(value));
                }
                return true;
            },
            variable.target);
        read += ok ? 1 : 0;
    }
    return read;
}

} // namespace pvn
