#pragma once
// Resource ids of the tray program.

#define IDI_TRAY 102
