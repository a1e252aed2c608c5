#include "tray/preview/PreviewKind.h"

#include <string>

namespace pvn {
namespace {

std::wstring lowered(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return out;
}

} // namespace

bool extensionInList(std::wstring_view extension, std::wstring_view list) {
    if (extension.empty())
        return false;
    const std::wstring ext = lowered(extension);
    const std::wstring all = lowered(list);
    return all.starts_with(ext + L";") || all.find(L";" + ext + L";") != std::wstring::npos;
}

} // namespace pvn
