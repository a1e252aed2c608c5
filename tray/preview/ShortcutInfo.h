#pragma once
// The shortcut information preview: the four fields of a shell link as lines.
#include <functional>
#include <string>
#include <vector>

namespace pvn {

struct ShortcutFields {
    std::wstring target;
    std::wstring workingFolder;
    std::wstring description;
    std::wstring arguments;
};

// Paths are fitted by `fitPath` (a third of the screen width in the preview's font); an empty field
// gives no line, so a shortcut without fields gives none.
std::vector<std::wstring> shortcutInfoLines(const ShortcutFields& fields,
                                            const std::function<std::wstring(const std::wstring&)>& fitPath);

} // namespace pvn
