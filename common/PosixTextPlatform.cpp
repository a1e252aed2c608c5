#include "common/TextPlatform.h"

#include <cerrno>
#include <cwctype>
#include <iconv.h>

namespace pvn {
namespace {

class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv() {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts all of in; an unconvertible unit is replaced by `replacement` and skipped.
    std::string run(std::string_view in, size_t unit, std::string_view replacement) const {
        std::string out;
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return out;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        char buf[4096];
        while (left > 0) {
            char* dst = buf;
            size_t room = sizeof buf;
            size_t r = iconv(m_cd, &src, &left, &dst, &room);
            out.append(buf, static_cast<size_t>(dst - buf));
            if (r == static_cast<size_t>(-1) && errno != E2BIG) {
                out.append(replacement);
                size_t skip = left < unit ? left : unit;
                src += skip;
                left -= skip;
                iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t m_cd;
};

std::wstring toWide(const std::string& raw) {
    std::wstring w(raw.size() / sizeof(wchar_t), L'\0');
    for (size_t i = 0; i < w.size(); ++i) {
        wchar_t c;
        __builtin_memcpy(&c, raw.data() + i * sizeof(wchar_t), sizeof c);
        w[i] = c;
    }
    return w;
}

std::string wideReplacement() {
    wchar_t r = L'\xFFFD';
    return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

} // namespace

std::wstring SystemTextPlatform::fromAnsi(std::string_view bytes) const {
    static const Iconv cv("WCHAR_T", "CP932");
    return toWide(cv.run(bytes, 1, wideReplacement()));
}

std::string SystemTextPlatform::toAnsi(std::wstring_view text) const {
    static const Iconv cv("CP932", "WCHAR_T");
    std::string_view raw(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return cv.run(raw, sizeof(wchar_t), "?");
}

std::wstring SystemTextPlatform::fromUtf8(std::string_view bytes) const {
    static const Iconv cv("WCHAR_T", "UTF-8");
    return toWide(cv.run(bytes, 1, wideReplacement()));
}

int SystemTextPlatform::compare(const std::wstring& a, const std::wstring& b) const {
    return a.compare(b);
}

int SystemTextPlatform::compareNoCase(const std::wstring& a, const std::wstring& b) const {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        wint_t x = std::towlower(static_cast<wint_t>(a[i]));
        wint_t y = std::towlower(static_cast<wint_t>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

const ITextPlatform& textPlatform() {
    static const SystemTextPlatform platform;
    return platform;
}

} // namespace pvn
