#pragma once
// The codes carried in wParam of the registered message "PVNMESSAGE". One list, so that no code is
// given two meanings; the gaps (8) are unused.

namespace pvn {

enum class RequestCode : unsigned {
    RunMenu = 1,              // PVNMain to its own window: track the folder menu
    OpenHighlightedFolder = 2, // PVNMain to its own window: open the highlighted sub-menu's folder
    ItemContextMenu = 3,      // PVNMain to the tray: shell context menu of an item at a point
    PresenceTest = 4,         // PVNMain at start, shell extension before its menu: is the tray there?
    FileOperationItems = 5,   // shell extension to the tray: file-operation menu for the selection
    RunFileOperationMenu = 6, // posted by the tray to itself after code 5
    FileOperation = 7,        // posted inside the tray to its file-operation window
    ReloadSettings = 9,       // settings program to the tray, after saving
    CtrlLetterCommand = 10,   // PVNMain to the tray: the command bound to Ctrl with a letter
    FinishCommand = 11,       // posted by the tray to itself, so that the sender is released first
    CursorToFirstItem = 12,   // PVNMain to its own window, when the menu loop starts
    HotKeys = 13,             // settings program to the tray: lParam 0 releases the hot keys, 1 takes them
    Preview = 100,            // PVNMain to the tray: lParam 0 hides the preview, otherwise shows one
    PreviewShow = 101,        // posted by the tray to its preview window
    PreviewHide = 102,        // posted by the tray to its preview window
};

constexpr unsigned toWParam(RequestCode code) { return static_cast<unsigned>(code); }

} // namespace pvn
