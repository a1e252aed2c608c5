#include "common/SusiePluginRules.h"

#include <algorithm>
#include <array>
#include <string>

namespace pvn {
namespace {

std::uint32_t readLe(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

} // namespace

bool isPluginFile(std::wstring_view fileName, std::optional<std::uint16_t> machine, std::uint16_t own) {
    if (machine != own)
        return false;
    const auto dot = fileName.rfind(L'.');
    if (dot == 0 || dot == std::wstring_view::npos)
        return false;
    std::wstring extension(fileName.substr(dot));
    for (wchar_t& c : extension)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return extension == L".spi" || (own == kMachineAmd64 && extension == L".sph");
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

std::optional<std::string> pluginInfo(const PluginInfoCall& call, int n) {
    std::array<char, kPluginInfoBufferSize> buffer{};
    return pluginInfoBytes(buffer, call(n, buffer));
}

std::vector<std::string> pluginPatterns(const PluginInfoCall& call) {
    std::vector<std::string> patterns;
    for (int pair = 0; pair < kMaxPluginFileTypes; ++pair) {
        auto pattern = pluginInfo(call, 2 + 2 * pair);
        if (!pattern)
            break;
        patterns.push_back(std::move(*pattern));
    }
    return patterns;
}

std::wstring pluginListText(std::wstring_view fileName, const std::vector<std::wstring>& patterns) {
    std::wstring text = std::wstring(fileName) + L"：";
    for (const std::wstring& pattern : patterns)
        text += L" " + pattern;
    return text;
}

} // namespace pvn
