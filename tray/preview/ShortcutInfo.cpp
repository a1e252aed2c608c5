#include "tray/preview/ShortcutInfo.h"

namespace pvn {

std::vector<std::wstring> shortcutInfoLines(const ShortcutFields& fields,
                                            const std::function<std::wstring(const std::wstring&)>& fitPath) {
    std::vector<std::wstring> lines;
    if (!fields.target.empty())
        lines.push_back(L"パス:" + fitPath(fields.target));
    if (!fields.workingFolder.empty())
        lines.push_back(L"作業フォルダ:" + fitPath(fields.workingFolder));
    if (!fields.description.empty())
        lines.push_back(L"記述:" + fields.description);
    if (!fields.arguments.empty())
        lines.push_back(L"引数:" + fields.arguments);
    return lines;
}

} // namespace pvn
