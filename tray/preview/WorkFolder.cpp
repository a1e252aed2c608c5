#include "tray/preview/WorkFolder.h"

namespace pvn {

std::wstring workFolderPath(const std::wstring& tempFolder) { return tempFolder + kWorkFolderName; }

bool insideWorkFolder(const ITextPlatform& text, const std::wstring& path, const std::wstring& workFolder) {
    if (workFolder.empty() || path.size() < workFolder.size())
        return false;
    return text.compareNoCase(path.substr(0, workFolder.size()), workFolder) == 0;
}

} // namespace pvn
