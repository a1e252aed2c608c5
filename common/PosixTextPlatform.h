#pragma once
// Native stand-in for the Windows text services: code page 932 through iconv, ordinal orders.
// The real orders of lstrcmpW are tested under Wine.
#include "common/TextPlatform.h"

namespace pvn {

class PosixTextPlatform final : public ITextPlatform {
public:
    std::wstring fromAnsi(std::string_view bytes) const override;
    std::string toAnsi(std::wstring_view text) const override;
    std::wstring fromUtf8(std::string_view bytes) const override;
    int compare(const std::wstring& a, const std::wstring& b) const override;
    int compareNoCase(const std::wstring& a, const std::wstring& b) const override;
};

} // namespace pvn
