#pragma once
// Sizes shared by the settings dialog and its pages, in dialog units.
#define PVN_PAGE_WIDTH 270
#define PVN_PAGE_HEIGHT 206
#define PVN_PAGE_STYLE DS_CONTROL | DS_SETFONT | WS_CHILD
#define PVN_DIALOG_FONT 9, "ＭＳ Ｐゴシック", 0, 0, 0x80
// Inner margin of a page and its usual rows.
#define PVN_PAGE_MARGIN 8
#define PVN_ROW 14
