#include "settings/EnvironmentReport.h"

#include "common/SettingsTable.h"

namespace pvn {
namespace {

std::wstring line(const ReportValue& v, bool quoteText) {
    if (const auto* n = std::get_if<std::uint32_t>(&v.value))
        return v.name + L"=" + std::to_wstring(*n);
    const auto& text = std::get<std::wstring>(v.value);
    return v.name + L"=" + (quoteText ? L"\"" + text + L"\"" : text);
}

} // namespace

std::optional<std::wstring> osReportLine(int osClass, bool windows64) {
    const wchar_t* name = nullptr;
    switch (osClass) {
    case 2: name = L"Windows 7"; break;
    case 4: name = L"Windows 8.1"; break;
    case 5: name = L"Windows 10"; break;
    case 6: name = L"Windows 11"; break;
    default: return std::nullopt;
    }
    return std::wstring(L"OS=") + name + (windows64 ? L" x64" : L" x86");
}

std::vector<std::wstring> environmentReport(int osClass, bool windows64, const std::vector<ReportValue>& version,
                                            const std::vector<ReportValue>& settings) {
    std::vector<std::wstring> lines;
    if (auto os = osReportLine(osClass, windows64))
        lines.push_back(*os);
    for (const ReportValue& v : version)
        lines.push_back(line(v, false));
    for (const ReportValue& v : settings) {
        // The tray's window handle means nothing outside this session.
        const SettingDef* def = findSetting(v.name);
        if (def && !def->reported)
            continue;
        lines.push_back(line(v, true));
    }
    return lines;
}

} // namespace pvn
