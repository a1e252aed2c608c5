#pragma once
// The progress window of installation and uninstallation.
#define IDD_PROGRESS 9600
#define IDC_PROGRESS_ICON 9601
#define IDC_PROGRESS_BAR 9602
#define IDC_PROGRESS_TEXT 9603
