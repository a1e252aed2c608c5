#include "common/ListFile.h"

#include "common/TextPlatform.h"

namespace pvn {

void ListLineSplitter::feed(std::string_view bytes) {
    for (;;) {
        const std::size_t lf = bytes.find('\n');
        if (lf == std::string_view::npos) {
            m_pending.append(bytes);
            return;
        }
        m_pending.append(bytes.substr(0, lf));
        completeLine();
        bytes.remove_prefix(lf + 1);
    }
}

void ListLineSplitter::completeLine() {
    // No path ends in CR: one left by a CR LF pair, or by a last line without LF, is dropped.
    if (!m_pending.empty() && m_pending.back() == '\r')
        m_pending.pop_back();
    m_lines.push_back(m_platform.fromAnsi(m_pending));
    m_pending.clear();
}

std::vector<std::wstring> ListLineSplitter::finish() {
    if (!m_pending.empty() && m_pending != "\r")
        completeLine();
    m_pending.clear();
    return std::move(m_lines);
}

std::vector<std::wstring> splitListLines(std::string_view bytes, const ITextPlatform& platform) {
    ListLineSplitter splitter(platform);
    splitter.feed(bytes);
    return splitter.finish();
}

std::string encodeListLines(const std::vector<std::wstring>& lines, const ITextPlatform& platform) {
    std::string out;
    for (const auto& line : lines) {
        out += platform.toAnsi(line);
        out += "\r\n";
    }
    return out;
}

std::optional<std::wstring> recentListLine(std::wstring_view path) {
    if (path.empty())
        return std::nullopt;
    std::wstring line(path);
    const bool network = line.size() >= 2 && line[0] == L'\\' && line[1] == L'\\';
    if (!network && line[0] >= L'A' && line[0] <= L'Z')
        line[0] = static_cast<wchar_t>(line[0] - L'A' + L'a');
    return line;
}

} // namespace pvn
