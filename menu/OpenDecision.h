#pragma once
// Whether PVNMain shows its menu or opens the folder the ordinary way, and why. The questions that
// need the system are asked only when a rule gets to them.
#include <functional>
#include <string>

namespace pvn {

struct OpenSettings {
    unsigned startType = 0;
    bool openBottom = false;
    bool openNet = false;
    bool otherDrives = false; // DrvOther
    unsigned openKey = 0;
    bool openPush = false;
    std::wstring drives; // Drive
};

struct OpenProbes {
    std::function<bool()> trayAnswers;
    // Whether the folder holds at least one sub-folder (false when unreadable).
    std::function<bool(const std::wstring& path)> hasSubFolder;
    // GetDriveTypeW of the root is neither unknown nor "no root directory".
    std::function<bool(const std::wstring& root)> driveExists;
    std::function<bool(unsigned virtualKey)> keyHeld;
    std::function<std::wstring(std::wstring_view)> lowerCase;
};

struct OpenDecision {
    bool showMenu = false;
    std::wstring reason;
    // The user's filers, OrgClose and the recent list take part (the open rules of StartType 2);
    // otherwise Explorer opens the folder and nothing is recorded.
    bool asConfigured = false;
};

inline constexpr wchar_t kReasonNoTray[] = L"OF PVNTray";
inline constexpr wchar_t kReasonBottom[] = L"OF Bottom";
inline constexpr wchar_t kReasonNet[] = L"OF Net";
inline constexpr wchar_t kReasonOtherDrive[] = L"OF 非選択drv";
inline constexpr wchar_t kReasonOpenKey[] = L"OF OpenKey";

OpenDecision decideOpen(const std::wstring& path, const OpenSettings& settings, const OpenProbes& probes);

} // namespace pvn
