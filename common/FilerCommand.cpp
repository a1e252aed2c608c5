#include "common/FilerCommand.h"

namespace pvn {

int chooseFiler(bool shiftDown, bool ctrlDown) {
    int filer = 0;
    if (shiftDown)
        filer = 1;
    if (ctrlDown)
        filer = 2;
    return filer;
}

std::wstring expandFilerArguments(std::wstring_view arguments, const std::wstring& folder,
                                  const ShortPathProvider& shortPath) {
    const std::size_t s = arguments.find(L"%s");
    const std::size_t l = arguments.find(L"%l");
    std::wstring shortText;
    if (s != std::wstring_view::npos)
        shortText = shortPath().value_or(folder);
    std::wstring out;
    std::size_t from = 0;
    // Replace in the order the placeholders stand in the template.
    auto replace = [&](std::size_t at, const std::wstring& with) {
        out.append(arguments.substr(from, at - from));
        out += with;
        from = at + 2;
    };
    if (s != std::wstring_view::npos && (l == std::wstring_view::npos || s < l)) {
        replace(s, shortText);
        if (l != std::wstring_view::npos)
            replace(l, folder);
    } else if (l != std::wstring_view::npos) {
        replace(l, folder);
        if (s != std::wstring_view::npos)
            replace(s, shortText);
    }
    out.append(arguments.substr(from));
    return out;
}

bool originWindowMatches(std::wstring_view path, std::wstring_view title) {
    if (title.empty())
        return false;
    std::wstring prefix(title);
    prefix += L'\\';
    if (path.substr(0, prefix.size()) == prefix)
        return true;
    return path.find(L'\\' + prefix) != std::wstring_view::npos;
}

} // namespace pvn
