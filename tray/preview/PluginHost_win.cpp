#include "tray/preview/PluginHost_win.h"

#include "common/ErrorBox_win.h"
#include "common/MessagePump_win.h"
#include "common/TextPlatform.h"
#include "tray/preview/PluginOutput.h"

#include <algorithm>
#include <span>

namespace pvn {
namespace {

#ifdef _WIN64
constexpr const SusieLayout& kLayout = kSusieLayout64;
#else
constexpr const SusieLayout& kLayout = kSusieLayout32;
#endif

using Progress = int(WINAPI*)(int done, int total, LONG_PTR data);
using IsSupportedFn = int(WINAPI*)(LPCSTR name, void* image);
using GetPictureInfoFn = int(WINAPI*)(LPCSTR source, LONG_PTR length, unsigned flag, void* info);
using GetPictureFn = int(WINAPI*)(LPCSTR source, LONG_PTR length, unsigned flag, HLOCAL* info, HLOCAL* bits,
                                  Progress progress, LONG_PTR data);
using GetArchiveInfoFn = int(WINAPI*)(LPCSTR source, LONG_PTR length, unsigned flag, HLOCAL* entries);

constexpr unsigned kFromFile = 0;
constexpr unsigned kFromMemory = 1;

void freeLocal(HLOCAL h) {
    ::LocalFree(h);
}
using UniqueLocal = UniqueNull<HLOCAL, freeLocal>;

// A locked plug-in block as bytes, within its LocalSize.
class LockedBlock {
public:
    explicit LockedBlock(HLOCAL block)
        : m_block(block), m_data(block ? static_cast<const std::uint8_t*>(::LocalLock(block)) : nullptr),
          m_size(m_data ? ::LocalSize(block) : 0) {}
    ~LockedBlock() {
        if (m_data)
            ::LocalUnlock(m_block);
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;
    std::span<const std::uint8_t> bytes() const { return {m_data, m_size}; }

private:
    HLOCAL m_block;
    const std::uint8_t* m_data;
    std::size_t m_size;
};

template <typename F> F entry(const SusiePlugin& plugin, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(plugin.module.get(), name)));
}

int WINAPI pumpWhileWorking(int, int, LONG_PTR) {
    dispatchPendingMessages();
    return 0;
}

UniqueFile openShared(const std::wstring& path) {
    return UniqueFile(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Reads up to `size` bytes from the start; false (reported as "ReadFile") when the read fails.
bool readHead(HANDLE file, std::uint8_t* out, DWORD size) {
    DWORD got = 0;
    while (size > 0) {
        DWORD n = 0;
        if (!::ReadFile(file, out + got, size, &n, nullptr)) {
            reportLastError("ReadFile");
            return false;
        }
        if (n == 0)
            break;
        got += n;
        size -= n;
    }
    return true;
}

} // namespace

PluginHost::PluginHost(const std::wstring& folder, bool images, bool archives)
    : m_plugins(loadSusiePlugins(folder, images, archives)) {}

std::wstring PluginHost::description(const SusiePlugin& plugin) const {
    return textPlatform().fromAnsi(plugin.version) + plugin.listText;
}

int PluginHost::find(const std::wstring& path) {
    m_path = path;
    m_ansiPath = textPlatform().toAnsi(path);
    if (m_plugins.empty())
        return -1;
    UniqueFile file = openShared(path);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.HighPart != 0)
        return -1;
    std::vector<std::uint8_t> head(kSusieCheckSize, 0);
    if (!readHead(file.get(), head.data(),
                  static_cast<DWORD>(std::min<LONGLONG>(size.QuadPart, kSusieCheckSize))))
        return -1;
    file.reset();
    for (std::size_t i = 0; i < m_plugins.size(); ++i) {
        const auto isSupported = entry<IsSupportedFn>(m_plugins[i], "IsSupported");
        if (isSupported && isSupported(m_ansiPath.c_str(), head.data()) != 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<Picture> PluginHost::pictureCall(const char* function, const SusiePlugin& plugin,
                                               const std::vector<std::uint8_t>& image, std::size_t length,
                                               const SusiePictureInfo& info) {
    const auto call = entry<GetPictureFn>(plugin, function);
    if (!call)
        return std::nullopt;
    UniqueLocal infoBlock, bitsBlock;
    const int result = call(reinterpret_cast<LPCSTR>(image.data()), static_cast<LONG_PTR>(length),
                            kFromMemory, infoBlock.put(), bitsBlock.put(), pumpWhileWorking, 0);
    if (result != 0 || !infoBlock || !bitsBlock)
        return std::nullopt;
    const LockedBlock infoBytes(infoBlock.get());
    const LockedBlock bits(bitsBlock.get());
    return pictureFromBlocks(infoBytes.bytes(), bits.bytes(), info, pluginCaption(info, description(plugin)));
}

std::optional<Picture> PluginHost::getPicture(int position, bool usePreview, std::uint64_t maxBytes) {
    if (position < 0 || static_cast<std::size_t>(position) >= m_plugins.size())
        return std::nullopt;
    const SusiePlugin& plugin = m_plugins[static_cast<std::size_t>(position)];
    const auto getInfo = entry<GetPictureInfoFn>(plugin, "GetPictureInfo");
    if (!getInfo)
        return std::nullopt;
    alignas(8) std::uint8_t record[kSusieLayout64.pictureInfoSize] = {};
    if (getInfo(m_ansiPath.c_str(), 0, kFromFile, record) != 0)
        return std::nullopt;
    const SusiePictureInfo info = parsePictureInfo(record, kLayout);
    if (info.textHandle != 0)
        ::LocalFree(reinterpret_cast<HLOCAL>(static_cast<std::uintptr_t>(info.textHandle)));

    // The whole file, once, for whichever picture call is made.
    UniqueFile file = openShared(m_path);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.HighPart != 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > maxBytes)
        return std::nullopt;
    std::vector<std::uint8_t> image(
        std::max<std::size_t>(static_cast<std::size_t>(size.QuadPart), kSusieCheckSize));
    if (!readHead(file.get(), image.data(), static_cast<DWORD>(size.QuadPart)))
        return std::nullopt;
    file.reset();

    const auto length = static_cast<std::size_t>(size.QuadPart);
    if (usePreview)
        if (std::optional<Picture> preview = pictureCall("GetPreview", plugin, image, length, info))
            return preview;
    return pictureCall("GetPicture", plugin, image, length, info);
}

bool PluginHost::archiveListing(int position, std::uint32_t maxLines, std::vector<std::wstring>& lines) {
    if (position < 0 || static_cast<std::size_t>(position) >= m_plugins.size())
        return false;
    const SusiePlugin& plugin = m_plugins[static_cast<std::size_t>(position)];
    const auto getArchiveInfo = entry<GetArchiveInfoFn>(plugin, "GetArchiveInfo");
    if (!getArchiveInfo)
        return false;
    HLOCAL entries = nullptr;
    getArchiveInfo(m_ansiPath.c_str(), 0, kFromFile, &entries);
    if (!entries)
        return false;
    lines.clear();
    {
        const LockedBlock block(entries);
        listArchiveBlock(block.bytes(), kLayout, maxLines, description(plugin), textPlatform(), lines);
    }
    if (::LocalFree(entries) != nullptr)
        reportLastError("LocalFree");
    return true;
}

} // namespace pvn
