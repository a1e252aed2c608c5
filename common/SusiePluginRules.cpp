#include "common/SusiePluginRules.h"

#include <algorithm>

namespace pvn {
namespace {

std::uint32_t readLe(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

} // namespace

bool hasPluginExtension(std::wstring_view fileName) {
    constexpr std::wstring_view kExtension = L".spi";
    if (fileName.size() <= kExtension.size())
        return false;
    std::wstring_view tail = fileName.substr(fileName.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](wchar_t a, wchar_t b) {
        return (a >= L'A' && a <= L'Z' ? a - L'A' + L'a' : a) == b;
    });
}

std::optional<SusiePluginKind> pluginKindOfVersion(std::string_view version) {
    if (version.starts_with("00IN"))
        return SusiePluginKind::Image;
    if (version.starts_with("00AM"))
        return SusiePluginKind::Archive;
    return std::nullopt;
}

std::optional<std::uint16_t> peMachine(std::span<const std::uint8_t> head) {
    constexpr std::size_t kNewHeaderOffset = 0x3C;
    if (head.size() < kNewHeaderOffset + 4 || head[0] != 'M' || head[1] != 'Z')
        return std::nullopt;
    const std::size_t pe = readLe(head, kNewHeaderOffset, 4);
    if (pe > head.size() || head.size() - pe < 6)
        return std::nullopt;
    if (head[pe] != 'P' || head[pe + 1] != 'E' || head[pe + 2] != 0 || head[pe + 3] != 0)
        return std::nullopt;
    return static_cast<std::uint16_t>(readLe(head, pe + 4, 2));
}

std::optional<std::string> pluginInfoBytes(std::span<const char> buffer, int returned) {
    if (returned <= 0)
        return std::nullopt;
    const std::size_t limit = std::min(buffer.size(), static_cast<std::size_t>(returned));
    const auto end = std::find(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(limit), '\0');
    return std::string(buffer.begin(), end);
}

std::wstring pluginListText(std::wstring_view fileName, const std::vector<std::wstring>& patterns) {
    std::wstring text = std::wstring(fileName) + L"：";
    for (const std::wstring& pattern : patterns)
        text += L" " + pattern;
    return text;
}

} // namespace pvn
