#include "common/WinTextPlatform_win.h"

#include <windows.h>

namespace pvn {

std::wstring fromCodePage(unsigned codePage, std::string_view bytes) {
    if (bytes.empty())
        return {};
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

std::string toCodePage(unsigned codePage, std::wstring_view text) {
    if (text.empty())
        return {};
    int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                            nullptr);
    return out;
}

std::wstring SystemTextPlatform::fromAnsi(std::string_view bytes) const { return fromCodePage(CP_ACP, bytes); }
std::string SystemTextPlatform::toAnsi(std::wstring_view text) const { return toCodePage(CP_ACP, text); }
std::wstring SystemTextPlatform::fromUtf8(std::string_view bytes) const { return fromCodePage(CP_UTF8, bytes); }

int SystemTextPlatform::compare(const std::wstring& a, const std::wstring& b) const {
    return lstrcmpW(a.c_str(), b.c_str());
}

int SystemTextPlatform::compareNoCase(const std::wstring& a, const std::wstring& b) const {
    return lstrcmpiW(a.c_str(), b.c_str());
}

const ITextPlatform& textPlatform() {
    static const SystemTextPlatform platform;
    return platform;
}

} // namespace pvn
