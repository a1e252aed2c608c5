#pragma once
// The settings dialog "Parvane の設定": the page list and the three buttons; pages sit right of the list.
#define IDD_SETTINGS 110
#define IDC_SETTINGS_LABEL 999
#define IDC_PAGE_LIST 1000
#define IDC_RESET 1001
#define IDC_CANCEL_BUTTON 1002
#define IDC_OK_BUTTON 1003
#define IDC_SETTINGS_RULE 1004
