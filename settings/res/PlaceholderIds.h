#pragma once
// The page shown in place of one not built yet.
#define IDD_TAB_PLACEHOLDER 199
#define IDC_PLACEHOLDER_NOTE 1999
