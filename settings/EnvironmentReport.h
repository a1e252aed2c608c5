#pragma once
// The environment report "PVNEnv.txt" a user sends when asking for support: the system, then every
// value of the settings key except the tray's window handle.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pvn {

inline constexpr wchar_t kEnvironmentReportName[] = L"PVNEnv.txt";

// Texts of HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion reported in this order, then the number UBR.
inline constexpr const wchar_t* kVersionTextNames[] = {L"CSDVersion", L"CurrentBuild", L"DisplayVersion",
                                                       L"EditionID",  L"ProductName",  L"ReleaseId"};
inline constexpr wchar_t kVersionNumberName[] = L"UBR";

// A registry value that is a number or a text; other types are left out by the reader.
struct ReportValue {
    std::wstring name;
    std::variant<std::uint32_t, std::wstring> value;
};

// "OS=Windows 10 x64" for the system class of the common OS check; nothing for a class without a line.
std::optional<std::wstring> osReportLine(int osClass, bool windows64);

// `version`: the values found, texts in kVersionTextNames order and UBR last; `settings`: the values
// of the settings key in enumeration order.
std::vector<std::wstring> environmentReport(int osClass, bool windows64, const std::vector<ReportValue>& version,
                                            const std::vector<ReportValue>& settings);

} // namespace pvn
