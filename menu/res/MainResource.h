#pragma once
// Resource identifiers of PVNMain.
#define IDI_PROGRAM 101
