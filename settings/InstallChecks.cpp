#include "settings/InstallChecks.h"

namespace pvn {
namespace {

constexpr const wchar_t* kRequired[] = {
    L"PVNMain.exe",         L"PVNTray.exe",       L"PVNSet.exe",        L"PVNShlEx32.dll",
    L"PVNShlEx64.dll",      L"ReadMe.htm",        L"image\\PVNMain.png", L"image\\context.png",
    L"image\\drive.png",    L"image\\edit.png",   L"image\\fav.png",    L"image\\fop1.png",
    L"image\\fop2.png",     L"image\\install.png", L"image\\left.png",  L"image\\open.png",
    L"image\\other.png",    L"image\\preview.jpg", L"image\\right.png", L"image\\uninst.png",
};

} // namespace

std::span<const wchar_t* const> requiredFiles() { return kRequired; }

bool versionBelowThree(std::wstring_view stored) {
    constexpr std::wstring_view prefix = L"Ver.";
    if (stored.substr(0, prefix.size()) == prefix)
        stored.remove_prefix(prefix.size());
    return stored < std::wstring_view(L"3.00");
}

std::optional<std::wstring> installRefusal(const InstallFacts& facts) {
    for (const wchar_t* file : requiredFiles())
        if (!facts.fileExists(file))
            return std::wstring(file) + L" が存在しません";
    if (facts.tamselInstalled)
        return L"Tamsel をアンインストールしてください";
    if (facts.ostridInstalled)
        return L"Ostrid をアンインストールしてください";
    if (facts.storedVersion && versionBelowThree(*facts.storedVersion))
        return L"Ver.1.xx, Ver.2.xx 以前からの上書きインストールはできません\n"
               L"旧バージョンをアンインストールしてからインストールしてください";
    return std::nullopt;
}

} // namespace pvn
