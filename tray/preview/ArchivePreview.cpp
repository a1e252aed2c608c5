#include "tray/preview/ArchivePreview.h"

#include "tray/preview/CCabFileEnum.h"
#include "tray/preview/CZipFileEnum.h"

#include <algorithm>

namespace pvn {

std::wstring lowerExtension(const std::wstring& path) {
    std::size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos)
        return {};
    std::wstring ext = path.substr(dot + 1);
    for (wchar_t& c : ext)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return ext;
}

bool archivePreview(const PreviewEnv& env, const std::wstring& path, std::uint32_t lineLimit,
                    std::vector<std::wstring>& lines) {
    const std::wstring ext = lowerExtension(path);
    std::unique_ptr<CArcFile> reader;
    if (ext == L"zip")
        reader = std::make_unique<CZipFileEnum>(env, path, true);
    else if (ext == L"cab")
        reader = std::make_unique<CCabFileEnum>(env, path, true);
    else
        return false;

    lines.clear();
    if (!reader->errorText().empty()) {
        lines.push_back(reader->errorText());
    } else {
        // No more than the limit is ever shown; one line is enough to tell an empty archive.
        std::vector<std::wstring> entries;
        if (!reader->listEntries(entries, std::max<std::size_t>(lineLimit, 1))) {
            lines.push_back(reader->errorText());
        } else {
            if (entries.empty())
                lines.emplace_back(kArchiveEmpty);
            for (std::size_t copied = 0;; ++copied) {
                if (copied >= lineLimit) {
                    lines.emplace_back(kArchiveMore);
                    break;
                }
                if (copied == entries.size())
                    break;
                lines.push_back(std::move(entries[copied]));
            }
        }
    }
    reader.reset(); // shows a non-empty error text in a message box
    return true;
}

} // namespace pvn
