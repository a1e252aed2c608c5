#pragma once
// The folder menu's tooltip: size, dates and attributes of a file, the creation date of a folder,
// the capacity of a drive, and the program's name for "About".
#include "menu/tooltip/FMenuTTObj_win.h"

namespace pvn {

class FMenuTT final : public FMenuTTObj {
public:
    using FMenuTTObj::FMenuTTObj;

    // Only files, a folder's "開く" and "About" have a tooltip; anything else leaves it hidden.
    void SetItem(const std::wstring& path, int code, const SelectionPlacement& placement) override;
    void Build() override;

    // The lines for an item, without showing them (empty when the item has none).
    static std::vector<std::wstring> linesFor(const std::wstring& path, int code);

private:
    std::wstring m_path;
    int m_code = 0;
};

} // namespace pvn
