// The layout every hand-written dialog and settings page shares, in dialog units. Macros only: the
// resource compiler reads this. Include it by its full path, "common/res/DialogLayout.h".
#pragma once

// FONT PVN_DIALOG_FONT, STYLE PVN_DIALOG_STYLE (a box of its own) or PVN_PAGE_STYLE (a page inside
// the settings frame).
#define PVN_DIALOG_FONT 10, "ＭＳ Ｐゴシック"
#define PVN_DIALOG_STYLE DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU
#define PVN_PAGE_STYLE DS_CONTROL | DS_SETFONT | WS_CHILD

// From the edge of the dialog to its controls, and between controls that belong together.
#define PVN_MARGIN 7
#define PVN_GAP 4
// Push buttons (OK, キャンセル, 参照...).
#define PVN_BUTTON_W 50
#define PVN_BUTTON_H 14
// One row of labelled controls, top to top, and the controls' own heights.
#define PVN_ROW_H 16
#define PVN_LABEL_H 8
#define PVN_EDIT_H 12
#define PVN_CHECK_H 10
#define PVN_COMBO_H 12
