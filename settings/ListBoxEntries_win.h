#pragma once
// List boxes whose entries the pages rewrite in place (the filer and Ctrl+Key lists).
#include <windows.h>

#include <string>

namespace pvn {

void appendListEntry(HWND list, const std::wstring& text);
// Replaces entry `index`, keeping the selection where it was.
void replaceListEntry(HWND list, int index, const std::wstring& text);
// LB_GETCURSEL: -1 when nothing is selected.
int selectedListEntry(HWND list);

} // namespace pvn
