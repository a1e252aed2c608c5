#include "settings/SetCommand.h"

#include <array>
#include <utility>

namespace pvn {

SetCommand parseSetCommand(std::wstring_view arguments) {
    static constexpr std::array<std::pair<std::wstring_view, SetCommandKind>, 6> kWords = {{
        {L"", SetCommandKind::Install},
        {L"set", SetCommandKind::Settings},
        {L"edit", SetCommandKind::Edit},
        {L"notexist", SetCommandKind::NotExist},
        {L"about", SetCommandKind::About},
        {L"alluninstall", SetCommandKind::AllUninstall},
    }};
    for (const auto& [word, kind] : kWords)
        if (arguments == word)
            return {kind, 0};

    const std::wstring_view word = kStartTypeWord;
    if (!arguments.starts_with(word))
        return {};
    const std::wstring_view digits = arguments.substr(word.size());
    if (digits.empty() || digits.size() > 3)
        return {};
    std::uint32_t number = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9')
            return {};
        number = number * 10 + static_cast<std::uint32_t>(c - L'0');
    }
    if (number > 2)
        return {};
    return {SetCommandKind::StartType, number};
}

std::wstring instanceMutexName(std::wstring_view arguments) {
    return L"PVNSet_" + std::wstring(arguments);
}

} // namespace pvn
