#pragma once
// The item context menu of the folder menus: the shell's own menu for an item, shown from a hidden
// window of the tray at the point the folder menu gave (request 3), and the shell commands that
// Ctrl+letter runs without a menu. One per resident tray.
#include "common/Handle_win.h"
#include "common/WindowThunk_win.h"

#include <shlobj.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pvn {

class FTray;
class ShellItemMenu;
struct TrayRequest;

// Request 3's answers.
inline constexpr std::intptr_t kContextCommandRan = 1;
inline constexpr std::intptr_t kContextNothingChosen = 2;
inline constexpr std::intptr_t kContextDeleteChosen = 3;

class FCtxtWin : public WindowBase {
public:
    explicit FCtxtWin(FTray& tray);
    ~FCtxtWin() override;

    static FCtxtWin* instance() { return s_instance; }

    // The context menu of the item (the Computer folder's for no item) at the screen point.
    std::intptr_t showMenu(const std::optional<std::wstring>& item, POINT at);
    // A command of the item's menu by its verb, run for `window` without showing the menu.
    bool invokeVerb(const std::wstring& item, std::wstring_view verb, HWND window);

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::intptr_t onRequest(const TrayRequest& request);

    FTray& m_tray;
    ComPtr<IShellFolder> m_desktop;
    // The menu on screen: its messages go to the shell's handlers. Null outside TrackPopupMenuEx.
    const ShellItemMenu* m_shown = nullptr;
    // From building a menu until its command has run: the shell's modal boxes pump messages, and
    // another request 3 meanwhile would nest a second menu inside the first one's command.
    bool m_active = false;

    static FCtxtWin* s_instance;
};

} // namespace pvn
