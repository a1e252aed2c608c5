#pragma once
// The image and archive plug-ins for one preview: loaded from the plug-in folder, asked in load order
// which of them takes the file, then for its picture or its listing, and unloaded with the host.
#include "common/SusiePlugins_win.h"
#include "tray/preview/Picture.h"
#include "tray/preview/PluginOutput.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pvn {

class PluginHost {
public:
    PluginHost(const std::wstring& folder, bool images, bool archives);

    bool empty() const { return m_plugins.empty(); }
    // The first plug-in whose IsSupported takes the file's first 2 KiB (zero-filled beyond a shorter
    // file); -1 when none does, when there are none, or when the file cannot be opened or needs more
    // than 32 bits for its size.
    int find(const std::wstring& path);
    // The picture of the file found last: its information by file name, then the fast preview (with
    // `usePreview`, when the plug-in has one) or the full picture from the whole file in memory, read
    // once and only when it is no larger than `maxBytes`.
    std::optional<Picture> getPicture(int position, bool usePreview, std::uint64_t maxBytes);
    // The archive listing of the file found last, by file name: at most `maxLines` entries, " ："
    // when more follow, then "with " and the plug-in. False when the plug-in gives no listing.
    bool archiveListing(int position, std::uint32_t maxLines, std::vector<std::wstring>& lines);

private:
    // The API version's four characters and the list text.
    std::wstring description(const SusiePlugin& plugin) const;
    std::optional<Picture> pictureCall(const char* function, const SusiePlugin& plugin,
                                       const std::vector<std::uint8_t>& image, std::size_t length,
                                       const SusiePictureInfo& info);

    std::vector<SusiePlugin> m_plugins;
    std::wstring m_path;
    std::string m_ansiPath;
};

} // namespace pvn
