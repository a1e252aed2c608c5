#pragma once
// Resource ids of the tray program.

// The program's icon, as the small icon of its input box.
#define IDI_PROGRAM 101
#define IDI_TRAY 102
// Several files: the file-operation menu's header for more than one item.
#define IDI_FILES 103
