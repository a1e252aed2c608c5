#pragma once
// What makes a file in the plug-in folder a usable image or archive plug-in, and how its
// information texts are read and described. The preview and the settings program load plug-ins by
// these rules alone (SusiePlugins_win.h).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

enum class SusiePluginKind { Image, Archive };

// GetPluginInfo's buffer, in bytes.
inline constexpr int kPluginInfoBufferSize = 260;
// File-type pairs asked for at most (numbers 2, 4, ...): a plug-in that never answers 0 must not
// hold the caller in a loop.
inline constexpr int kMaxPluginFileTypes = 64;

// The machine field of a PE image's file header from the file's first bytes; nothing when they are
// not a PE image (or the header lies beyond them).
std::optional<std::uint16_t> peMachine(std::span<const std::uint8_t> head);
inline constexpr std::uint16_t kMachineI386 = 0x014C;
inline constexpr std::uint16_t kMachineAmd64 = 0x8664;

// The folder is listed with this pattern, which also matches other names through their short names
// ("x.spi_" as "X~1.SPI"): isPluginFile decides.
inline constexpr std::wstring_view kPluginSearchPattern = L"*.sp?";

// Whether a program of machine type `own` loads the file: its extension, exactly and in any letter
// case, is ".spi", or ".sph" for a 64-bit program; and its PE header (`machine`, as peMachine read it)
// names the program's own machine type. A plug-in of the other type is never loaded, whatever its name.
bool isPluginFile(std::wstring_view fileName, std::optional<std::uint16_t> machine, std::uint16_t own);

// Image for an API version beginning with "00IN", archive for "00AM", nothing for any other.
std::optional<SusiePluginKind> pluginKindOfVersion(std::string_view version);

// The text a GetPluginInfo call left in its buffer: up to the first NUL, the count it returned or
// the buffer's end, whichever comes first; nothing when it returned 0 (or less).
std::optional<std::string> pluginInfoBytes(std::span<const char> buffer, int returned);

// A GetPluginInfo call: information number and buffer in, the count it returned out.
using PluginInfoCall = std::function<int(int number, std::span<char> buffer)>;

// Information number n, asked with a zeroed buffer of kPluginInfoBufferSize bytes and read by
// pluginInfoBytes.
std::optional<std::string> pluginInfo(const PluginInfoCall& call, int n);

// The file-type patterns: numbers 2, 4, ... until the plug-in answers nothing, at most
// kMaxPluginFileTypes of them.
std::vector<std::string> pluginPatterns(const PluginInfoCall& call);

// The list text of a plug-in: its file name, "：", then a blank and each file-type pattern.
std::wstring pluginListText(std::wstring_view fileName, const std::vector<std::wstring>& patterns);

} // namespace pvn
