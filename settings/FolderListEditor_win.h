#pragma once
// The recent and favourite folders editor, opened by the word "edit" (no owner) and by the pages
// "最近開いたフォルダ" and "お気に入りフォルダ" (owned by the page). Modal; writes both list files on OK.
#include <windows.h>

namespace pvn {

void openFolderListEditor(HWND owner);

} // namespace pvn
