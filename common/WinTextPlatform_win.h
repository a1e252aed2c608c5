#pragma once
#include "common/TextPlatform.h"

namespace pvn {

class WinTextPlatform final : public ITextPlatform {
public:
    std::wstring fromAnsi(std::string_view bytes) const override;
    std::string toAnsi(std::wstring_view text) const override;
    std::wstring fromUtf8(std::string_view bytes) const override;
    int compare(const std::wstring& a, const std::wstring& b) const override;
    int compareNoCase(const std::wstring& a, const std::wstring& b) const override;
};

// The one pair of conversions used at file and API edges.
std::wstring fromCodePage(unsigned codePage, std::string_view bytes);
std::string toCodePage(unsigned codePage, std::wstring_view text);

} // namespace pvn
