#pragma once
// A set of settings values by name (a number for flags and numbers, a text for texts), with the
// rules of the settings table: Install and If-absent values, the readers' and the settings
// program's rules, and the merge installation performs.
#include "common/SettingsTable.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace pvn {

// Lower-cases a text the way the platform does (CharLowerBuffW under Windows).
using LowerCaseFn = std::wstring (*)(std::wstring_view);
// A-Z only: enough for drive letters and the usual extensions, used where no platform is at hand.
std::wstring asciiLowerCase(std::wstring_view text);

class SettingsValues {
public:
    using Value = std::variant<std::uint32_t, std::wstring>;

    // Names are those of the settings table; a name it does not know, or a value of the wrong
    // kind, is refused (false) and changes nothing.
    bool set(std::wstring_view name, Value value);
    bool setNumber(std::wstring_view name, std::uint32_t number) { return set(name, number); }
    bool setText(std::wstring_view name, std::wstring text) { return set(name, std::move(text)); }
    bool setFlag(std::wstring_view name, bool on) { return set(name, std::uint32_t{on ? 1u : 0u}); }
    void erase(std::wstring_view name);
    // The same by id, as code names a value.
    bool set(SettingId id, Value value) { return set(settingName(id), std::move(value)); }
    bool setNumber(SettingId id, std::uint32_t number) { return set(id, number); }
    bool setText(SettingId id, std::wstring text) { return set(id, std::move(text)); }
    bool setFlag(SettingId id, bool on) { return set(id, std::uint32_t{on ? 1u : 0u}); }
    bool has(SettingId id) const { return has(settingName(id)); }
    std::optional<std::uint32_t> number(SettingId id) const { return number(settingName(id)); }
    std::optional<std::wstring> text(SettingId id) const { return text(settingName(id)); }
    std::optional<bool> flag(SettingId id) const { return flag(settingName(id)); }
    void clear() { m_values.clear(); }

    bool has(std::wstring_view name) const { return find(name) != nullptr; }
    std::optional<std::uint32_t> number(std::wstring_view name) const;
    std::optional<std::wstring> text(std::wstring_view name) const;
    // Any non-zero number is on.
    std::optional<bool> flag(std::wstring_view name) const;
    std::size_t size() const { return m_values.size(); }
    bool operator==(const SettingsValues&) const = default;

    // A value as a reader finds it in the key: a text the table refuses (a face name of 32 or more
    // characters) is ignored and the previous value stays. Returns whether the value was taken.
    bool acceptRead(const SettingDef& def, Value value);

    // Every page value to its Install value ("インストール時の設定"); kept values are untouched.
    void resetToInstall(const ComputedDefaults& computed);
    // Every page value that is missing to its If-absent value.
    void fillMissing(const ComputedDefaults& computed);
    // The settings program's rules before it shows and saves: flags 0/1, numbers into their range
    // or choices, extension lists and drive letters cleaned and lower-cased, "all" with DrvOther 1.
    void normalize(LowerCaseFn lower);
    // The settings program never reads StartType: it shows what the shell registration says.
    void takeDerived(const ComputedDefaults& computed);

    // What the settings program shows when it starts from what the key holds.
    static SettingsValues forSettingsProgram(const SettingsValues& stored, const ComputedDefaults& computed,
                                             LowerCaseFn lower);
    // What installation writes: Install values on a user's first installation, otherwise the current
    // values with the missing ones taking their If-absent values.
    static SettingsValues forInstallation(bool firstInstallation, const SettingsValues& stored,
                                          const ComputedDefaults& computed, LowerCaseFn lower);

private:
    const Value* find(std::wstring_view name) const;
    void assignDefault(const SettingDef& def, const SettingValue& value, const ComputedDefaults& computed);

    // Keyed by the table's spelling of the name.
    std::map<std::wstring, Value, std::less<>> m_values;
};

// The extension list as the settings program keeps it: items lower-cased, each followed by ";";
// text after the last ";" dropped, empty, over-long (260 or more characters) and repeated items left out.
std::wstring normalizeExtensionList(std::wstring_view stored, LowerCaseFn lower);
// Drive letters lower-cased in their order, other characters and repeats left out; "all" (in any
// case) stays the word "all".
std::wstring normalizeDriveLetters(std::wstring_view stored, LowerCaseFn lower);

} // namespace pvn
