#include "menu/OpenDecision.h"

namespace pvn {
namespace {

OpenDecision menu() {
    return {true, {}, false};
}
OpenDecision opened(const wchar_t* reason) {
    return {false, reason, true};
}

bool isNetworkPath(const std::wstring& path) {
    return path.starts_with(L"\\\\");
}

} // namespace

OpenDecision decideOpen(const std::wstring& path, const OpenSettings& settings, const OpenProbes& probes) {
    if (!probes.trayAnswers())
        return {false, kReasonNoTray, false};
    if (path.empty() || settings.startType != 2)
        return menu();
    if (settings.openBottom && !probes.hasSubFolder(path))
        return opened(kReasonBottom);
    if (settings.openNet && isNetworkPath(path))
        return opened(kReasonNet);
    if (!settings.otherDrives && !isNetworkPath(path)) {
        const std::wstring root = std::wstring(1, path[0]) + L":\\";
        const std::wstring letter = probes.lowerCase(std::wstring_view(path).substr(0, 1));
        const std::wstring drives = probes.lowerCase(settings.drives);
        // "all" names every drive, also when DrvOther was stored off beside it by hand.
        const bool listed = drives == L"all" || drives.find(letter) != std::wstring::npos;
        if (!probes.driveExists(root) || !listed)
            return opened(kReasonOtherDrive);
    }
    if (settings.openKey != 0 && probes.keyHeld(settings.openKey) == settings.openPush)
        return opened(kReasonOpenKey);
    return menu();
}

} // namespace pvn
