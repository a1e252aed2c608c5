#pragma once
// The 26 Ctrl+letter bindings of the "Ctrl+Key" page: a keyword each, or a command line for the
// "openexe" choice, with the texts the page's list shows and the values it stores.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pvn {

struct CtrlBinding {
    // Index into ctrlKeywords().
    std::size_t keyword = 0;
    // Only for the "openexe" keyword.
    std::wstring commandLine;

    bool operator==(const CtrlBinding&) const = default;
};

class CtrlBindings {
public:
    static constexpr std::size_t kKeyCount = 26;
    // "Ctrl+A :": the list entry's prefix before the binding's name.
    static constexpr std::size_t kPrefixLength = 8;

    CtrlBindings() { resetToInstall(); }

    void resetToInstall();
    // A stored "Ctrl?" text: a keyword binds that keyword, anything else is a command line.
    void assignStored(std::size_t key, std::wstring_view stored);
    void bindKeyword(std::size_t key, std::size_t keyword);
    void bindCommandLine(std::size_t key, std::wstring commandLine);

    const CtrlBinding& binding(std::size_t key) const { return m_bindings[key]; }
    // The keyword itself, or the command line alone for "openexe" (empty stays empty).
    std::wstring storedValue(std::size_t key) const;
    // "Ctrl+P :プリント", or the prefix followed by the command line.
    std::wstring listText(std::size_t key) const;
    static wchar_t letter(std::size_t key) { return static_cast<wchar_t>(L'A' + key); }

private:
    std::array<CtrlBinding, kKeyCount> m_bindings;
};

} // namespace pvn
