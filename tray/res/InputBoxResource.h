#pragma once
// The input box (used for renaming).

#define IDD_INPUTBOX 9100
#define IDC_INPUT_PROMPT 9101
#define IDC_INPUT_TEXT 9102
#define IDC_INPUT_OK 9103
#define IDC_INPUT_CANCEL 9104
