#pragma once
// The lines of the folder menu's tooltip.
#include <cstdint>
#include <string>
#include <vector>

namespace pvn {

struct FileAttributes {
    bool readOnly = false, hidden = false, archive = true, system = false;
};

// "読取専用,隠しファイル,アーカイブでない,システム" for the bits that apply; empty for none.
std::wstring attributeLine(const FileAttributes& attributes);

// Size, the three times (already formatted) and the attribute line when there is one.
std::vector<std::wstring> fileTooltipLines(std::uint64_t size, const std::wstring& created,
                                           const std::wstring& written, const std::wstring& accessed,
                                           const FileAttributes& attributes);
std::vector<std::wstring> folderTooltipLines(const std::wstring& created, const FileAttributes& attributes);
// The file-system name (left out when empty) and the capacity, used and free byte counts.
std::vector<std::wstring> driveTooltipLines(const std::wstring& fileSystem, std::uint64_t total,
                                            std::uint64_t free);
std::vector<std::wstring> aboutTooltipLines();

} // namespace pvn
