#pragma once
// The three filer command lines of the "ファイラ等起動" page (no modifier, Shift, Ctrl) and the
// texts its list shows for them.
#include <array>
#include <cstddef>
#include <string>

namespace pvn {

struct FilerCommands {
    static constexpr std::size_t kCount = 3;
    // Empty: Explorer opens the folder.
    std::array<std::wstring, kCount> commandLines;

    // "(なし):", "Shift :" or "Ctrl  :", then the command line or "通常のエクスプローラー".
    std::wstring listText(std::size_t entry) const;
    // "Filer0" .. "Filer2".
    static const wchar_t* valueName(std::size_t entry);
};

} // namespace pvn
