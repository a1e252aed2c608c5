#pragma once
// Image and archive plug-ins of a folder ("*.spi", and "*.sph" for the 64-bit program), loaded by the
// rules of SusiePluginRules.h: only files with an exact extension and this program's own machine
// type are loaded (a 32-bit plug-in in the folder of the 64-bit program is passed over without a
// word), and only those whose API version is wanted are kept. The preview and the settings program both load them this way.
#include "common/Handle_win.h"
#include "common/SusiePluginRules.h"

#include <optional>
#include <string>
#include <vector>

namespace pvn {

struct SusiePlugin {
    UniqueModule module;
    SusiePluginKind kind = SusiePluginKind::Image;
    // The API version's first four characters ("00IN", "00AM").
    std::string version;
    // The file name, "：" and the file-type patterns (pluginListText).
    std::wstring listText;
};

// Every usable plug-in of the folder in file-system order; an empty or missing folder gives none.
std::vector<SusiePlugin> loadSusiePlugins(const std::wstring& folder, bool images, bool archives);

// GetPluginInfo's information number n as text (converted from the ANSI code page); nothing when
// the plug-in has no such number or no GetPluginInfo.
std::optional<std::wstring> susiePluginInfo(HMODULE module, int n);
// The file-type patterns (numbers 2, 4, ... until the plug-in answers 0, at most kMaxPluginFileTypes).
std::vector<std::wstring> susiePluginPatterns(HMODULE module);

// ConfigurationDlg(parent, function): 0 for the about box, 1 for the settings dialog. Nothing when
// the plug-in does not export it; otherwise its answer (-1: not supported).
std::optional<int> susiePluginConfiguration(HMODULE module, HWND parent, int function);

} // namespace pvn
