#include "tray/preview/PreviewKind.h"

#include "common/SettingsValues.h"

#include <string>

namespace pvn {

bool extensionInList(std::wstring_view extension, std::wstring_view list) {
    if (extension.empty())
        return false;
    const std::wstring ext = asciiLowerCase(extension);
    const std::wstring all = asciiLowerCase(list);
    return all.starts_with(ext + L";") || all.find(L";" + ext + L";") != std::wstring::npos;
}

} // namespace pvn
