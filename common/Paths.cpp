#include "common/Paths.h"

#include <optional>
#include <vector>

namespace pvn {
namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// Length of the drive root or \\server\share\ at the start of the path.
std::optional<std::size_t> headLength(std::wstring_view path) {
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\')
        return 3;
    if (path.size() < 2 || path[0] != L'\\' || path[1] != L'\\')
        return std::nullopt;
    const std::size_t serverEnd = path.find(L'\\', 2);
    if (serverEnd == std::wstring_view::npos || serverEnd == 2)
        return std::nullopt;
    const std::size_t shareEnd = path.find(L'\\', serverEnd + 1);
    if (shareEnd == serverEnd + 1 || serverEnd + 1 == path.size())
        return std::nullopt;
    return shareEnd == std::wstring_view::npos ? path.size() : shareEnd + 1;
}

} // namespace

bool isDriveRoot(std::wstring_view path) {
    return path.size() == 3 && path[1] == L':' && path[2] == L'\\';
}

std::wstring joinPath(std::wstring_view folder, std::wstring_view name) {
    std::wstring out(folder);
    if (!isDriveRoot(folder))
        out += L'\\';
    out += name;
    return out;
}

std::wstring parentFolder(std::wstring_view path) {
    const std::size_t last = path.rfind(L'\\');
    if (last == std::wstring_view::npos)
        return {};
    return std::wstring(path.substr(0, last == 2 ? 3 : last));
}

std::wstring fileName(std::wstring_view path) {
    const std::size_t last = path.rfind(L'\\');
    return std::wstring(last == std::wstring_view::npos ? path : path.substr(last + 1));
}

std::wstring extension(std::wstring_view path) {
    const std::wstring name = fileName(path);
    const std::size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos ? std::wstring() : name.substr(dot + 1);
}

std::wstring stripQuotes(std::wstring_view text) {
    if (text.empty() || text.front() != L'"')
        return std::wstring(text);
    text.remove_prefix(1);
    if (!text.empty() && text.back() == L'"')
        text.remove_suffix(1);
    return std::wstring(text);
}

std::wstring trim(std::wstring_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return std::wstring(text);
}

std::wstring shortenPathToWidth(const std::wstring& path, int width, const TextWidth& measure) {
    if (measure(path) < width)
        return path;
    const std::optional<std::size_t> head = headLength(path);
    if (!head)
        return kInvalidFileName;
    const std::wstring headText = path.substr(0, *head);
    std::wstring_view rest = std::wstring_view(path).substr(*head);
    if (rest.empty())
        return path;
    for (;;) {
        const std::size_t next = rest.find(L'\\');
        if (next == std::wstring_view::npos)
            break;
        rest.remove_prefix(next + 1);
        std::wstring candidate = headText + L"...\\" + std::wstring(rest);
        if (measure(candidate) < width)
            return candidate;
    }
    return L"...\\" + std::wstring(rest);
}

} // namespace pvn
