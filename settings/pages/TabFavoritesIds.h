#pragma once
// Page "お気に入りフォルダ".
#define IDD_TAB_FAVORITES 117
#define IDC_FAV_EDIT 1700
#define IDC_FAV_SWAP 1701
#define IDC_FAV_LABEL1 1702
#define IDC_FAV_LABEL2 1703
#define IDC_FAV_FNAME 1704
