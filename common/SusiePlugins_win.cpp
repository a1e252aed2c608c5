#include "common/SusiePlugins_win.h"

#include "common/CriticalErrorMode_win.h"
#include "common/Paths.h"
#include "common/TextPlatform.h"

#include <array>
#include <cstdint>

namespace pvn {
namespace {

using GetPluginInfoFn = int(WINAPI*)(int infoNumber, LPSTR buffer, int bufferLength);
using ConfigurationDlgFn = int(WINAPI*)(HWND parent, int function);

constexpr std::uint16_t kOwnMachine =
#if defined(_M_X64) || defined(__x86_64__)
    kMachineAmd64;
#else
    kMachineI386;
#endif

template <typename Fn> Fn pluginFunction(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The file's header is read before LoadLibraryW, which would show the system's "bad image" box for
// a plug-in of the other machine type instead of failing quietly.
std::optional<std::uint16_t> fileMachine(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    std::array<std::uint8_t, 4096> head{};
    DWORD read = 0;
    if (!ReadFile(file.get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr))
        return std::nullopt;
    return peMachine(std::span<const std::uint8_t>(head.data(), read));
}

PluginInfoCall infoCall(GetPluginInfoFn getInfo) {
    return [getInfo](int n, std::span<char> buffer) {
        return getInfo(n, buffer.data(), static_cast<int>(buffer.size()));
    };
}

} // namespace

std::optional<std::wstring> susiePluginInfo(HMODULE module, int n) {
    auto getInfo = pluginFunction<GetPluginInfoFn>(module, "GetPluginInfo");
    if (!getInfo)
        return std::nullopt;
    auto bytes = pluginInfo(infoCall(getInfo), n);
    if (!bytes)
        return std::nullopt;
    return textPlatform().fromAnsi(*bytes);
}

std::vector<std::wstring> susiePluginPatterns(HMODULE module) {
    std::vector<std::wstring> patterns;
    if (auto getInfo = pluginFunction<GetPluginInfoFn>(module, "GetPluginInfo"))
        for (const std::string& pattern : pluginPatterns(infoCall(getInfo)))
            patterns.push_back(textPlatform().fromAnsi(pattern));
    return patterns;
}

std::optional<int> susiePluginConfiguration(HMODULE module, HWND parent, int function) {
    auto configure = pluginFunction<ConfigurationDlgFn>(module, "ConfigurationDlg");
    if (!configure)
        return std::nullopt;
    return configure(parent, function);
}

std::vector<SusiePlugin> loadSusiePlugins(const std::wstring& folder, bool images, bool archives) {
    std::vector<SusiePlugin> plugins;
    if (folder.empty())
        return plugins;
    WIN32_FIND_DATAW found{};
    UniqueFind find(FindFirstFileW(joinPath(folder, kPluginSearchPattern).c_str(), &found));
    if (!find)
        return plugins;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const std::wstring name = found.cFileName;
        const std::wstring path = joinPath(folder, name);
        if (!isPluginFile(name, fileMachine(path), kOwnMachine))
            continue;
        UniqueModule module;
        {
            // A damaged plug-in of our own type, or one missing a library it needs, fails quietly too.
            CriticalErrorsOff quiet;
            module.reset(LoadLibraryW(path.c_str()));
        }
        if (!module)
            continue;
        auto getInfo = pluginFunction<GetPluginInfoFn>(module.get(), "GetPluginInfo");
        if (!getInfo)
            continue;
        auto version = pluginInfo(infoCall(getInfo), 0);
        auto kind = version ? pluginKindOfVersion(*version) : std::nullopt;
        if (!kind || (*kind == SusiePluginKind::Image && !images) ||
            (*kind == SusiePluginKind::Archive && !archives))
            continue;
        SusiePlugin plugin;
        plugin.kind = *kind;
        plugin.version = version->substr(0, 4);
        plugin.listText = pluginListText(name, susiePluginPatterns(module.get()));
        plugin.module = std::move(module);
        plugins.push_back(std::move(plugin));
    } while (FindNextFileW(find.get(), &found));
    return plugins;
}

} // namespace pvn
