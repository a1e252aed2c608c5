#include "settings/FilerCommands.h"

#include <string_view>

namespace pvn {
namespace {

constexpr std::array<std::wstring_view, FilerCommands::kCount> kPrefixes = {L"(なし):", L"Shift :",
                                                                            L"Ctrl  :"};
constexpr std::array<const wchar_t*, FilerCommands::kCount> kValueNames = {L"Filer0", L"Filer1", L"Filer2"};

} // namespace

std::wstring FilerCommands::listText(std::size_t entry) const {
    const std::wstring& line = commandLines[entry];
    return std::wstring(kPrefixes[entry]) + (line.empty() ? std::wstring(L"通常のエクスプローラー") : line);
}

const wchar_t* FilerCommands::valueName(std::size_t entry) {
    return kValueNames[entry];
}

} // namespace pvn
