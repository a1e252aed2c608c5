#pragma once
// Shell links: saved through IShellLinkW and IPersistFile (COM is initialised by the caller).
#include "settings/SetupShortcuts.h"

#include <windows.h>

namespace pvn {

// Replaces the link file; failures are reported and give false.
bool createShortcut(const ShortcutPlan& plan);

// The install step and the shortcut page's buttons: an existing desktop shortcut is replaced only
// after "<path> を置き換えますか" is answered Yes.
bool createShortcutAsking(const ShortcutPlan& plan, HWND owner);

} // namespace pvn
