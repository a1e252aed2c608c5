#pragma once
// Icons of PVNSet.
#define IDI_INSTALL 101
#define IDI_DOWN 102
#define IDI_UP 103
#define IDI_ADD 104
#define IDI_PROGRAM 105
