#include "settings/RegistryPlan.h"

#include "common/Paths.h"

namespace pvn {
namespace {

constexpr const wchar_t* kHandlerTypes[] = {L"Directory", L"*", L"lnkfile"};

std::wstring classes(std::wstring_view sub) { return std::wstring(kClassesKey) + L"\\" + std::wstring(sub); }

RegOp setDefault(RegistryView view, std::wstring key, std::wstring value) {
    return {RegOp::Kind::SetDefault, RegRoot::CurrentUser, view, std::move(key), L"", std::move(value), {}};
}

RegOp deleteKey(RegistryView view, std::wstring key) {
    return {RegOp::Kind::DeleteKey, RegRoot::CurrentUser, view, std::move(key), L"", L"", {}};
}

void addServer(RegPlan& plan, RegistryView view, std::wstring_view installDir, const wchar_t* dll) {
    plan.push_back(setDefault(view, classes(extensionClassKey()), kExtensionClassName));
    plan.push_back(setDefault(view, classes(extensionServerKey()), joinPath(installDir, dll)));
    plan.push_back({RegOp::Kind::SetNamed, RegRoot::CurrentUser, view, classes(extensionServerKey()),
                    L"ThreadingModel", L"Apartment", {}});
}

void removeServer(RegPlan& plan, RegistryView view) {
    plan.push_back(deleteKey(view, classes(extensionServerKey())));
    plan.push_back(deleteKey(view, classes(extensionClassKey())));
}

} // namespace

std::wstring extensionClassKey() { return std::wstring(L"CLSID\\") + kExtensionClassIdText; }
std::wstring extensionServerKey() { return extensionClassKey() + L"\\InProcServer32"; }

std::wstring contextMenuHandlerKey(std::wstring_view type, std::wstring_view handler) {
    return std::wstring(type) + L"\\shellex\\ContextMenuHandlers\\" + std::wstring(handler);
}

RegistryView nativeView(bool is64BitWindows) {
    return is64BitWindows ? RegistryView::Bits64 : RegistryView::Bits32;
}

RegPlan registerExtensionPlan(std::wstring_view installDir, bool is64BitWindows) {
    const RegistryView view = nativeView(is64BitWindows);
    RegPlan plan;
    addServer(plan, view, installDir, is64BitWindows ? kExtension64Dll : kExtension32Dll);
    if (is64BitWindows)
        addServer(plan, RegistryView::Bits32, installDir, kExtension32Dll);
    for (const wchar_t* type : kHandlerTypes)
        plan.push_back(deleteKey(view, classes(contextMenuHandlerKey(type, L"PVNListMenu"))));
    for (const wchar_t* type : kHandlerTypes)
        plan.push_back(setDefault(view, classes(contextMenuHandlerKey(type, L"PVNShlExMenu")), kExtensionClassIdText));
    return plan;
}

RegPlan unregisterExtensionPlan(bool is64BitWindows) {
    const RegistryView view = nativeView(is64BitWindows);
    RegPlan plan;
    for (const wchar_t* type : kHandlerTypes)
        plan.push_back(deleteKey(view, classes(contextMenuHandlerKey(type, L"PVNShlExMenu"))));
    removeServer(plan, view);
    if (is64BitWindows)
        removeServer(plan, RegistryView::Bits32);
    return plan;
}

RegPlan emptyParentsPlan(bool is64BitWindows) {
    RegPlan plan;
    const auto prune = [&](RegistryView view, const std::wstring& key) {
        plan.push_back({RegOp::Kind::DeleteKeyIfEmpty, RegRoot::CurrentUser, view, classes(key), L"", L"", {}});
    };
    const RegistryView view = nativeView(is64BitWindows);
    for (const wchar_t* type : {L"Directory", L"Drive"})
        prune(view, std::wstring(type) + L"\\shell");
    for (const wchar_t* type : kHandlerTypes) {
        prune(view, std::wstring(type) + L"\\shellex\\ContextMenuHandlers");
        prune(view, std::wstring(type) + L"\\shellex");
    }
    for (const wchar_t* type : {L"Directory", L"Drive", L"*", L"lnkfile"})
        prune(view, type);
    prune(view, L"CLSID");
    if (is64BitWindows)
        prune(RegistryView::Bits32, L"CLSID");
    return plan;
}

std::wstring fullKeyName(RegRoot root, std::wstring_view key) {
    const wchar_t* name = root == RegRoot::ClassesRoot  ? L"HKEY_CLASSES_ROOT\\"
                          : root == RegRoot::CurrentUser ? L"HKEY_CURRENT_USER\\"
                                                         : L"HKEY_LOCAL_MACHINE\\";
    return name + std::wstring(key);
}

} // namespace pvn
