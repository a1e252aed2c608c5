#pragma once
// Page "ホットキー": each label is followed by its hot-key control.
#define IDD_TAB_HOTKEY 123
#define IDC_HK_DRV_LABEL 2300
#define IDC_HK_DRV 2301
#define IDC_HK_REC_LABEL 2302
#define IDC_HK_REC 2303
#define IDC_HK_FAV_LABEL 2304
#define IDC_HK_FAV 2305
#define IDC_HK_LAST_LABEL 2306
#define IDC_HK_LAST 2307
#define IDC_HK_LASTMENU_LABEL 2308
#define IDC_HK_LASTMENU 2309
#define IDC_HK_MYDOC_LABEL 2310
#define IDC_HK_MYDOC 2311
