#include "settings/CtrlBindings.h"

#include "common/SettingsTable.h"

namespace pvn {

void CtrlBindings::resetToInstall() {
    for (std::size_t key = 0; key < kKeyCount; ++key)
        assignStored(key, ctrlInstallBinding(letter(key)));
}

void CtrlBindings::assignStored(std::size_t key, std::wstring_view stored) {
    if (auto keyword = findCtrlKeyword(stored))
        bindKeyword(key, *keyword);
    else
        bindCommandLine(key, std::wstring(stored));
}

void CtrlBindings::bindKeyword(std::size_t key, std::size_t keyword) {
    m_bindings[key] = CtrlBinding{keyword, {}};
}

void CtrlBindings::bindCommandLine(std::size_t key, std::wstring commandLine) {
    m_bindings[key] = CtrlBinding{kCtrlOpenExe, std::move(commandLine)};
}

std::wstring CtrlBindings::storedValue(std::size_t key) const {
    const CtrlBinding& b = m_bindings[key];
    if (b.keyword == kCtrlOpenExe)
        return b.commandLine;
    return std::wstring(ctrlKeywords()[b.keyword].keyword);
}

std::wstring CtrlBindings::listText(std::size_t key) const {
    const CtrlBinding& b = m_bindings[key];
    std::wstring text = L"Ctrl+? :";
    text[5] = letter(key);
    if (b.keyword == kCtrlOpenExe)
        return text + b.commandLine;
    return text + std::wstring(ctrlKeywords()[b.keyword].displayName);
}

} // namespace pvn
