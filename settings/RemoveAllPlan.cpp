#include "settings/RemoveAllPlan.h"

#include "common/Paths.h"

namespace pvn {
namespace {

const std::vector<std::wstring> kProductVerbs = {L"Tamsel", L"Ostrid", L"Parvane"};
constexpr wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

class PlanBuilder {
public:
    PlanBuilder(RegPlan& plan, RegRoot root, RegistryView view, std::wstring prefix)
        : m_plan(plan), m_root(root), m_view(view), m_prefix(std::move(prefix)) {}

    void key(const std::wstring& path) {
        m_plan.push_back({RegOp::Kind::DeleteKey, m_root, m_view, m_prefix + path, L"", L"", {}});
    }
    void verb(const std::wstring& shell, const wchar_t* product) {
        key(shell + L"\\" + product + L"\\command");
        key(shell + L"\\" + product);
    }
    void defaultVerb(const std::wstring& shell) {
        m_plan.push_back({RegOp::Kind::DeleteDefault, m_root, m_view, m_prefix + shell, L"", L"", kProductVerbs});
    }
    void extensionClass() {
        key(extensionServerKey());
        key(extensionClassKey());
    }
    void handlers(std::initializer_list<const wchar_t*> types, const wchar_t* handler) {
        for (const wchar_t* type : types)
            key(contextMenuHandlerKey(type, handler));
    }

private:
    RegPlan& m_plan;
    RegRoot m_root;
    RegistryView m_view;
    std::wstring m_prefix;
};

void classesEntries(PlanBuilder& b, bool withVerbs) {
    if (withVerbs) {
        b.verb(L"Folder\\shell", L"Tamsel");
        b.verb(L"Folder\\shell", L"Ostrid");
        b.defaultVerb(L"Folder\\shell");
        for (const wchar_t* type : {L"Directory", L"Drive"}) {
            const std::wstring shell = std::wstring(type) + L"\\shell";
            b.verb(shell, L"Ostrid");
            b.verb(shell, L"Parvane");
            b.defaultVerb(shell);
        }
    }
    b.extensionClass();
    b.handlers({L"Directory", L"*", L"lnkfile"}, L"PVNListMenu");
    b.handlers({L"Directory", L"*", L"lnkfile", L"InternetShortcut", L"piffile"}, L"PVNShlExMenu");
}

} // namespace

std::vector<std::wstring> removeAllFiles(const RemoveAllFolders& f) {
    std::vector<std::wstring> files;
    for (const wchar_t* name : {L"PVNFavorites.lst", L"PVNRecent.lst"})
        files.push_back(joinPath(f.data, name));
    for (const wchar_t* name : {L"PVNFavorites.lst", L"PVNRecent.lst", L"TSL.exe", L"TSL.log", L"TSLFav.log",
                                L"TSLSetup.exe", L"Inf\\TSL95.inf", L"Inf\\TSLNT.inf"})
        files.push_back(joinPath(f.windows, name));
    for (const wchar_t* name : {L"PVNTray.lnk", L"TSLSetup.lnk"})
        files.push_back(joinPath(f.startup, name));
    for (const wchar_t* name : {L"My Documents.lnk", L"Drive List.lnk"})
        files.push_back(joinPath(f.desktop, name));
    return files;
}

RegPlan removeAllRegistry(bool is64BitWindows) {
    RegPlan plan;
    const RegistryView v32 = RegistryView::Bits32;

    PlanBuilder root(plan, RegRoot::ClassesRoot, v32, L"");
    classesEntries(root, true);

    PlanBuilder userClasses(plan, RegRoot::CurrentUser, v32, std::wstring(kClassesKey) + L"\\");
    classesEntries(userClasses, false);
    PlanBuilder user(plan, RegRoot::CurrentUser, v32, L"");
    for (const wchar_t* product : {L"Tamsel", L"Ostrid", L"Parvane"})
        user.key(std::wstring(kVendorKey) + L"\\" + product);
    user.key(std::wstring(kUninstallKey) + L"Parvane");

    PlanBuilder machine(plan, RegRoot::LocalMachine, v32, L"");
    for (const wchar_t* product : {L"Tamsel", L"Ostrid", L"Parvane"})
        machine.key(std::wstring(kUninstallKey) + product);

    if (is64BitWindows) {
        PlanBuilder user64(plan, RegRoot::CurrentUser, RegistryView::Bits64, std::wstring(kClassesKey) + L"\\");
        for (const wchar_t* type : {L"Directory", L"Drive"}) {
            const std::wstring shell = std::wstring(type) + L"\\shell";
            user64.verb(shell, L"Parvane");
            user64.defaultVerb(shell);
        }
        user64.handlers({L"Directory", L"*", L"lnkfile"}, L"PVNShlExMenu");
        user64.extensionClass();
        PlanBuilder vendor64(plan, RegRoot::CurrentUser, RegistryView::Bits64, L"");
        vendor64.key(std::wstring(kVendorKey) + L"\\Parvane");
    }
    return plan;
}

} // namespace pvn
