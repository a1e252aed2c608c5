#pragma once
// The shell's own context menu of one item, bound the way the tray binds items: the Computer folder
// for no path, a drive inside the Computer folder, anything else as a child of its folder.
#include "common/Handle_win.h"

#include <shlobj.h>

#include <optional>
#include <string>
#include <string_view>

namespace pvn {

inline constexpr UINT kFirstShellCommand = 1;
inline constexpr UINT kLastShellCommand = 0x7FFF;

class ShellItemMenu {
public:
    // Nothing when the shell cannot parse or bind the path or offers no context menu for it.
    static std::optional<ShellItemMenu> bind(IShellFolder& desktop, const std::wstring& path, HWND owner);

    // QueryContextMenu with the identifiers kFirstShellCommand..kLastShellCommand and CMF_EXPLORE.
    bool fill(HMENU menu) const;
    // The language-independent verb of a filled identifier ("delete", "properties"...), or empty.
    std::wstring verbOf(UINT id) const;
    // Runs a filled identifier, or a verb: through the identifier the filled menu gives it when it
    // has one (some shells run only identifiers), else by its name. S_OK when the command ran.
    HRESULT invoke(UINT id, HWND window, const std::wstring& directory) const;
    HRESULT invoke(HMENU filled, std::wstring_view verb, HWND window, const std::wstring& directory) const;

    // A menu message for the shell's owner-drawn sub-menus, through the richest interface the menu
    // has; the answer, or nothing for a menu that has neither IContextMenu2 nor IContextMenu3.
    std::optional<LRESULT> handleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    HRESULT invokeVerb(const char* verbA, const wchar_t* verbW, HWND window, const std::wstring& directory) const;

    ComPtr<IContextMenu> m_menu;
    ComPtr<IContextMenu2> m_menu2;
    ComPtr<IContextMenu3> m_menu3;
};

// A command of the item's menu run without showing the menu (Ctrl+letter commands); S_OK when it ran.
HRESULT invokeItemVerb(IShellFolder& desktop, const std::wstring& path, std::wstring_view verb, HWND window);

} // namespace pvn
