#pragma once
// "Parvane のバージョン情報": the about box of the word "about" and the installation dialog.
#include <windows.h>

namespace pvn {

void showAboutBox(HWND owner = nullptr);

} // namespace pvn
