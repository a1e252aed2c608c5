#pragma once
// The list files' format: one path a line in the ANSI code page, CR LF written, LF alone read.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

class ITextPlatform;

// Takes the file's bytes in pieces of any size and yields its lines. A line is converted only
// once it is whole, so a double-byte character split between two pieces stays intact.
class ListLineSplitter {
public:
    explicit ListLineSplitter(const ITextPlatform& platform) : m_platform(platform) {}

    void feed(std::string_view bytes);
    // The lines so far, plus a last line without LF unless it is empty.
    std::vector<std::wstring> finish();

private:
    void completeLine();

    const ITextPlatform& m_platform;
    std::string m_pending;
    std::vector<std::wstring> m_lines;
};

std::vector<std::wstring> splitListLines(std::string_view bytes, const ITextPlatform& platform);

// Every line in the ANSI code page followed by CR LF.
std::string encodeListLines(const std::vector<std::wstring>& lines, const ITextPlatform& platform);

// The recent-list line for a folder: the first character lower-cased (c:\Users) unless the path
// is a network path; nothing for an empty path.
std::optional<std::wstring> recentListLine(std::wstring_view path);

} // namespace pvn
