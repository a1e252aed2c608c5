#include "settings/ShellVerbs.h"

#include "common/Paths.h"

namespace pvn {

std::wstring verbCommand(std::wstring_view installFolder) {
    return L"\"" + joinPath(installFolder, kFolderMenuProgram) + L"\" %L";
}

std::vector<RegistryStep> verbRegistrationPlan(std::uint32_t startType, std::wstring_view installFolder) {
    using Op = RegistryStep::Op;
    std::vector<RegistryStep> plan;
    for (const wchar_t* shell : kVerbShellKeys) {
        const std::wstring verb = std::wstring(shell) + L"\\" + kVerbName;
        plan.push_back({Op::DeleteKey, verb + L"\\command", {}});
        plan.push_back({Op::DeleteKey, verb, {}});
        plan.push_back({Op::DeleteDefault, shell, {}});
    }
    if (startType == 0)
        return plan;
    for (const wchar_t* shell : kVerbShellKeys) {
        const std::wstring verb = std::wstring(shell) + L"\\" + kVerbName;
        plan.push_back({Op::SetDefault, verb, kVerbCaption});
        plan.push_back({Op::SetDefault, verb + L"\\command", verbCommand(installFolder)});
    }
    if (startType == 2)
        for (const wchar_t* shell : kVerbShellKeys)
            plan.push_back({Op::SetDefault, shell, kVerbName});
    return plan;
}

std::uint32_t startTypeFromShell(bool verbKeyExists, const std::optional<std::wstring>& shellDefault) {
    if (!verbKeyExists)
        return 0;
    return shellDefault && *shellDefault == kVerbName ? 2 : 1;
}

} // namespace pvn
