#pragma once
// Page "特別".
#define IDD_TAB_SPECIAL 126
#define IDC_SPECIAL_QES 2600
#define IDC_SPECIAL_NOTE 2601
