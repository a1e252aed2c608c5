#include "settings/FolderListEditor_win.h"

namespace pvn {

// The editor's dialog is built with the installation work; until then the buttons open nothing.
void openFolderListEditor(HWND) {}

} // namespace pvn
