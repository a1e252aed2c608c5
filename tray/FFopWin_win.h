#pragma once
// The file-operation window: the menu that copies, moves or makes shortcuts of the items into a
// recent, favourite, special or chosen folder, and renames one item. One per resident tray.
#include <windows.h>

#include <string>
#include <vector>

namespace pvn {

class FTray;

class FFopWin {
public:
    explicit FFopWin(FTray& tray);
    ~FFopWin();
    FFopWin(const FFopWin&) = delete;
    FFopWin& operator=(const FFopWin&) = delete;

    static FFopWin* instance() { return s_instance; }
    HWND window() const { return m_window; }

    // The menu for these items at the cursor. The chosen operation runs once the menu has closed,
    // on what the menu showed, whatever replaces the tray's item list meanwhile.
    void showMenu(std::vector<std::wstring> items);
    // Renames one item through the input box.
    void rename(const std::wstring& item);

private:
    FTray& m_tray;
    HWND m_window = nullptr;

    static FFopWin* s_instance;
};

} // namespace pvn
