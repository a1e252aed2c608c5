#include "common/ClipboardName.h"

namespace pvn {

std::wstring clipboardName(std::wstring_view path, bool doubleBackslashes, NameQuoting quoting) {
    const bool quote = quoting == NameQuoting::WhenBlank && path.find(L' ') != std::wstring_view::npos;
    std::wstring text;
    text.reserve(path.size() * (doubleBackslashes ? 2 : 1) + 2);
    if (quote)
        text += L'"';
    for (wchar_t c : path) {
        text += c;
        if (c == L'\\' && doubleBackslashes)
            text += L'\\';
    }
    if (quote)
        text += L'"';
    return text;
}

} // namespace pvn
