#pragma once
// The recent folders a tray menu shows: the recent list compacted by the settings' rules, as many
// as fit on the monitor. The tray's recent menu and the file-operation menu share it.
#include "tray/TraySettings_win.h"

#include <string>
#include <vector>

namespace pvn {

// Newest first. `lines` is the recent list file, oldest first.
std::vector<std::wstring> shownRecentFolders(const std::vector<std::wstring>& lines, const TraySettings& settings,
                                             int monitorHeight, int entryHeight);

} // namespace pvn
