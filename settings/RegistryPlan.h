#pragma once
// Shell registration written as data: which key, in which registry view, gets or loses which
// value. Installation, uninstallation and the removal of all products each build such a plan and
// one executor carries it out, so the plans can be checked without a registry.
#include "common/RegistryView.h"

#include <string>
#include <string_view>
#include <vector>

namespace pvn {

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine };

struct RegOp {
    enum class Kind {
        // Create the key when missing and set its default value.
        SetDefault,
        // Create the key when missing and set the named value.
        SetNamed,
        // Delete the key when it exists; its sub-keys come earlier in the plan.
        DeleteKey,
        // Delete the key's default value when it exists and is not empty (and, with `onlyNames`,
        // names one of them).
        DeleteDefault,
        // Delete the key when it has neither sub-keys nor values: a parent that registration
        // created and that holds nothing of anyone's any more.
        DeleteKeyIfEmpty,
    };
    Kind kind = Kind::SetDefault;
    RegRoot root = RegRoot::CurrentUser;
    RegistryView view = RegistryView::Bits64;
    std::wstring key;
    std::wstring name;
    std::wstring value;
    std::vector<std::wstring> onlyNames;

    friend bool operator==(const RegOp&, const RegOp&) = default;
};
using RegPlan = std::vector<RegOp>;

inline constexpr wchar_t kExtensionClassIdText[] = L"{E8843021-9D99-11D2-975A-444553540000}";
inline constexpr wchar_t kExtensionClassName[] = L"PVNShlEx Shell Extension";
inline constexpr wchar_t kExtension64Dll[] = L"PVNShlEx64.dll";
inline constexpr wchar_t kExtension32Dll[] = L"PVNShlEx32.dll";
inline constexpr wchar_t kClassesKey[] = L"Software\\Classes";
inline constexpr wchar_t kVendorKey[] = L"Software\\Morrick";

// "CLSID\{E8843021-...}" and its "\InProcServer32".
std::wstring extensionClassKey();
std::wstring extensionServerKey();
// "<type>\shellex\ContextMenuHandlers\<handler>".
std::wstring contextMenuHandlerKey(std::wstring_view type, std::wstring_view handler);

// The view the programs use by default: 64-bit Windows counts the 64-bit view.
RegistryView nativeView(bool is64BitWindows);

// Below HKEY_CURRENT_USER\Software\Classes: the class key and its server in the native view (the
// 64-bit library on 64-bit Windows), the 32-bit library in the 32-bit view on 64-bit Windows,
// older handler keys removed, the three handlers of this version created.
RegPlan registerExtensionPlan(std::wstring_view installDir, bool is64BitWindows);
// The three handlers, then the server and class keys in every view they were written to.
RegPlan unregisterExtensionPlan(bool is64BitWindows);
// After uninstallation: the parents of the verb and extension keys, innermost first, where they are
// left empty, so that an install-then-uninstall round trip leaves the user's classes as they were.
RegPlan emptyParentsPlan(bool is64BitWindows);

// "HKEY_CURRENT_USER\Software\..." as a failure message names a key.
std::wstring fullKeyName(RegRoot root, std::wstring_view key);

} // namespace pvn
