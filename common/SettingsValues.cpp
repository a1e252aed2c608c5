#include "common/SettingsValues.h"

#include <algorithm>
#include <vector>

namespace pvn {
namespace {

constexpr std::size_t kMaxExtensionLength = 259;
constexpr std::size_t kMaxDriveLetters = 26;

bool kindMatches(const SettingDef& def, const SettingsValues::Value& value) {
    bool isText = std::holds_alternative<std::wstring>(value);
    return isText == (def.kind == SettingKind::Text);
}

const SettingDef& settingNamed(std::wstring_view name) {
    const SettingDef* def = findSetting(name);
    return *def; // only called with names of the table itself
}

} // namespace

std::wstring asciiLowerCase(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return out;
}

bool SettingsValues::set(std::wstring_view name, Value value) {
    const SettingDef* def = findSetting(name);
    if (!def || !kindMatches(*def, value))
        return false;
    m_values.insert_or_assign(def->name, std::move(value));
    return true;
}

void SettingsValues::erase(std::wstring_view name) {
    if (const SettingDef* def = findSetting(name))
        m_values.erase(def->name);
}

const SettingsValues::Value* SettingsValues::find(std::wstring_view name) const {
    const SettingDef* def = findSetting(name);
    if (!def)
        return nullptr;
    auto it = m_values.find(def->name);
    return it == m_values.end() ? nullptr : &it->second;
}

std::optional<std::uint32_t> SettingsValues::number(std::wstring_view name) const {
    const Value* v = find(name);
    if (!v || !std::holds_alternative<std::uint32_t>(*v))
        return std::nullopt;
    return std::get<std::uint32_t>(*v);
}

std::optional<std::wstring> SettingsValues::text(std::wstring_view name) const {
    const Value* v = find(name);
    if (!v || !std::holds_alternative<std::wstring>(*v))
        return std::nullopt;
    return std::get<std::wstring>(*v);
}

std::optional<bool> SettingsValues::flag(std::wstring_view name) const {
    auto n = number(name);
    if (!n)
        return std::nullopt;
    return *n != 0;
}

bool SettingsValues::acceptRead(const SettingDef& def, Value value) {
    if (!kindMatches(def, value))
        return false;
    if (const auto* t = std::get_if<std::wstring>(&value); t && !def.acceptsText(*t))
        return false;
    m_values.insert_or_assign(def.name, std::move(value));
    return true;
}

void SettingsValues::assignDefault(const SettingDef& def, const SettingValue& value,
                                   const ComputedDefaults& computed) {
    switch (value.computed) {
    case ComputedDefault::StartTypeFromShell:
        m_values.insert_or_assign(def.name, Value{computed.startType});
        return;
    case ComputedDefault::PresentDrives:
        m_values.insert_or_assign(def.name, Value{computed.presentDrives});
        return;
    case ComputedDefault::ProgramFolder:
        m_values.insert_or_assign(def.name, Value{computed.programFolder});
        return;
    case ComputedDefault::None:
        break;
    }
    if (def.kind == SettingKind::Text)
        m_values.insert_or_assign(def.name, Value{std::wstring(value.text)});
    else
        m_values.insert_or_assign(def.name, Value{value.number});
}

void SettingsValues::resetToInstall(const ComputedDefaults& computed) {
    for (const SettingDef& def : settingsTable())
        if (!def.keptByPrograms())
            assignDefault(def, def.install, computed);
}

void SettingsValues::fillMissing(const ComputedDefaults& computed) {
    for (const SettingDef& def : settingsTable())
        if (!def.keptByPrograms() && !m_values.contains(def.name))
            assignDefault(def, def.ifAbsent, computed);
}

void SettingsValues::takeDerived(const ComputedDefaults& computed) {
    for (const SettingDef& def : settingsTable())
        if (def.ifAbsent.computed == ComputedDefault::StartTypeFromShell)
            m_values.insert_or_assign(def.name, Value{computed.startType});
}

void SettingsValues::normalize(LowerCaseFn lower) {
    for (auto& [name, value] : m_values) {
        const SettingDef& def = settingNamed(name);
        if (auto* n = std::get_if<std::uint32_t>(&value)) {
            *n = def.normalized(*n);
        } else if (auto* t = std::get_if<std::wstring>(&value)) {
            if (def.textRule == TextRule::ExtensionList)
                *t = normalizeExtensionList(*t, lower);
            else if (def.textRule == TextRule::DriveLetters)
                *t = normalizeDriveLetters(*t, lower);
        }
    }
    // Every drive in letter order leaves no drive outside the drive menu.
    if (text(SettingId::Drive) == L"all")
        setFlag(SettingId::DrvOther, true);
}

SettingsValues SettingsValues::forSettingsProgram(const SettingsValues& stored,
                                                  const ComputedDefaults& computed, LowerCaseFn lower) {
    SettingsValues shown;
    shown.fillMissing(computed);
    for (const auto& [name, value] : stored.m_values) {
        const SettingDef& def = settingNamed(name);
        if (!def.keptByPrograms())
            shown.acceptRead(def, value);
    }
    shown.normalize(lower);
    shown.takeDerived(computed);
    return shown;
}

SettingsValues SettingsValues::forInstallation(bool firstInstallation, const SettingsValues& stored,
                                               const ComputedDefaults& computed, LowerCaseFn lower) {
    if (!firstInstallation)
        return forSettingsProgram(stored, computed, lower);
    SettingsValues values;
    values.resetToInstall(computed);
    return values;
}

std::wstring normalizeExtensionList(std::wstring_view stored, LowerCaseFn lower) {
    std::vector<std::wstring> items;
    std::size_t start = 0;
    for (std::size_t end; (end = stored.find(L';', start)) != std::wstring_view::npos; start = end + 1) {
        std::wstring item = lower(stored.substr(start, end - start));
        if (item.empty() || item.size() > kMaxExtensionLength)
            continue;
        if (std::find(items.begin(), items.end(), item) == items.end())
            items.push_back(std::move(item));
    }
    std::wstring out;
    for (const std::wstring& item : items)
        out += item + L';';
    return out;
}

std::wstring normalizeDriveLetters(std::wstring_view stored, LowerCaseFn lower) {
    std::wstring lowered = lower(stored);
    if (lowered == L"all")
        return lowered;
    std::wstring out;
    for (wchar_t c : lowered)
        if (c >= L'a' && c <= L'z' && out.find(c) == std::wstring::npos && out.size() < kMaxDriveLetters)
            out += c;
    return out;
}

} // namespace pvn
