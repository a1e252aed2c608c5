#include "menu/TooltipText.h"

#include "common/Format.h"

namespace pvn {
namespace {

void addAttributes(std::vector<std::wstring>& lines, const FileAttributes& attributes) {
    std::wstring line = attributeLine(attributes);
    if (!line.empty())
        lines.push_back(std::move(line));
}

std::wstring bytes(std::uint64_t count) {
    return formatThousands(count) + L" バイト";
}

} // namespace

std::wstring attributeLine(const FileAttributes& a) {
    std::wstring line;
    if (a.readOnly)
        line += L"読取専用,";
    if (a.hidden)
        line += L"隠しファイル,";
    if (!a.archive)
        line += L"アーカイブでない,";
    if (a.system)
        line += L"システム,";
    if (!line.empty())
        line.pop_back();
    return line;
}

std::vector<std::wstring> fileTooltipLines(std::uint64_t size, const std::wstring& created,
                                           const std::wstring& written, const std::wstring& accessed,
                                           const FileAttributes& attributes) {
    std::vector<std::wstring> lines{bytes(size), L"作成日時 " + created, L"更新日時 " + written,
                                    L"アクセス日時 " + accessed};
    addAttributes(lines, attributes);
    return lines;
}

std::vector<std::wstring> folderTooltipLines(const std::wstring& created, const FileAttributes& attributes) {
    std::vector<std::wstring> lines{L"作成日時 " + created};
    addAttributes(lines, attributes);
    return lines;
}

std::vector<std::wstring> driveTooltipLines(const std::wstring& fileSystem, std::uint64_t total,
                                            std::uint64_t free) {
    std::vector<std::wstring> lines;
    if (!fileSystem.empty())
        lines.push_back(fileSystem);
    lines.push_back(L"容量 " + bytes(total));
    lines.push_back(L"使用 " + bytes(total >= free ? total - free : 0));
    lines.push_back(L"空き " + bytes(free));
    return lines;
}

std::vector<std::wstring> aboutTooltipLines() {
    return {L"Parvane Ver.3.12", L"Morrick の Parvane 開発チーム"};
}

} // namespace pvn
