#pragma once
// The shell verb "Parvane" on folders and drives, as a plan of registry steps below
// HKEY_CURRENT_USER\Software\Classes, so that what each start type registers is decided (and tested)
// without the registry.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pvn {

inline constexpr wchar_t kVerbName[] = L"Parvane";
inline constexpr wchar_t kVerbCaption[] = L"Parvane(&A)";
inline constexpr wchar_t kFolderMenuProgram[] = L"PVNMain.exe";
// Both keys carry the same verb.
inline constexpr const wchar_t* kVerbShellKeys[] = {L"Directory\\shell", L"Drive\\shell"};

struct RegistryStep {
    enum class Op {
        DeleteKey,     // the key `key` (no sub-keys left by then)
        DeleteDefault, // the default value of `key`
        SetDefault,    // the default value of `key` (created when missing) to `text`
    };
    Op op;
    std::wstring key;
    std::wstring text;
    friend bool operator==(const RegistryStep&, const RegistryStep&) = default;
};

// "\"<folder>\PVNMain.exe\" %L".
std::wstring verbCommand(std::wstring_view installFolder);

// Whatever was registered goes first (the verb, its command and whichever default verb the shell
// keys named); start type 1 adds the verb, 2 also makes it the default verb; 0 leaves only a direct
// start of PVNMain.exe.
std::vector<RegistryStep> verbRegistrationPlan(std::uint32_t startType, std::wstring_view installFolder);

// The start type the registration shows: no verb key 0, the verb as default verb 2, otherwise 1.
std::uint32_t startTypeFromShell(bool verbKeyExists, const std::optional<std::wstring>& shellDefault);

} // namespace pvn
