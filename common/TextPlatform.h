#pragma once
// What platform-independent code needs from the platform's text services: the ANSI code page,
// UTF-8 and the shell's string orders. SystemTextPlatform is MultiByteToWideChar, lstrcmpW and
// lstrcmpiW under Windows (WinTextPlatform_win.cpp); natively it is a stand-in with code page 932
// through iconv and ordinal orders (PosixTextPlatform.cpp), the real orders being tested under Wine.
#include <string>
#include <string_view>

namespace pvn {

class ITextPlatform {
public:
    virtual ~ITextPlatform() = default;
    // Bytes in the system ANSI code page to UTF-16.
    virtual std::wstring fromAnsi(std::string_view bytes) const = 0;
    // UTF-16 to the ANSI code page; characters outside it become the code page's default character.
    virtual std::string toAnsi(std::wstring_view text) const = 0;
    virtual std::wstring fromUtf8(std::string_view bytes) const = 0;
    // lstrcmpW and lstrcmpiW: negative, zero or positive.
    virtual int compare(const std::wstring& a, const std::wstring& b) const = 0;
    virtual int compareNoCase(const std::wstring& a, const std::wstring& b) const = 0;
};

class SystemTextPlatform final : public ITextPlatform {
public:
    std::wstring fromAnsi(std::string_view bytes) const override;
    std::string toAnsi(std::wstring_view text) const override;
    std::wstring fromUtf8(std::string_view bytes) const override;
    int compare(const std::wstring& a, const std::wstring& b) const override;
    int compareNoCase(const std::wstring& a, const std::wstring& b) const override;
};

// The process-wide text platform: the Windows one in the programs, the stand-in in native tests.
const ITextPlatform& textPlatform();

} // namespace pvn
