#include "settings/RegistryPlan_win.h"

#include "common/RegKey_win.h"

#include <algorithm>

namespace pvn {
namespace {

HKEY rootKey(RegRoot root) {
    switch (root) {
    case RegRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RegRoot::CurrentUser:
        break;
    }
    return HKEY_CURRENT_USER;
}

// The process-wide view flag switched for one operation, and back.
class ScopedView {
public:
    explicit ScopedView(RegistryView view) : m_old(registryViewFlag()) { setRegistryView(view); }
    ~ScopedView() { setRegistryView(m_old == KEY_WOW64_64KEY ? RegistryView::Bits64 : RegistryView::Bits32); }
    ScopedView(const ScopedView&) = delete;
    ScopedView& operator=(const ScopedView&) = delete;

private:
    REGSAM m_old;
};

// False only when the deletion was tried and failed.
bool deleteKey(HKEY root, const std::wstring& key) {
    RegKey probe(root, key, KEY_QUERY_VALUE);
    if (probe.result() == ERROR_FILE_NOT_FOUND)
        return true;
    probe.close();
    const std::size_t slash = key.rfind(L'\\');
    RegKey parent(root, slash == std::wstring::npos ? L"" : key.substr(0, slash), KEY_QUERY_VALUE);
    return parent.deleteSubKey(slash == std::wstring::npos ? key : key.substr(slash + 1));
}

bool deleteDefault(HKEY root, const RegOp& op) {
    std::wstring current;
    if (!RegKey(root, op.key, KEY_QUERY_VALUE).readString(L"", current) || current.empty())
        return true;
    if (!op.onlyNames.empty() && std::none_of(op.onlyNames.begin(), op.onlyNames.end(), [&](const std::wstring& n) {
            return lstrcmpiW(n.c_str(), current.c_str()) == 0;
        }))
        return true;
    return RegKey(root, op.key, KEY_SET_VALUE).deleteValue(L"");
}

} // namespace

void applyRegPlan(const RegPlan& plan, const RegFailure& onFailure) {
    for (const RegOp& op : plan) {
        ScopedView view(op.view);
        const HKEY root = rootKey(op.root);
        bool ok = true;
        switch (op.kind) {
        case RegOp::Kind::SetDefault:
        case RegOp::Kind::SetNamed: {
            RegKey key(root, op.key, KEY_ALL_ACCESS, true);
            ok = key.writeString(op.name.c_str(), op.value);
            break;
        }
        case RegOp::Kind::DeleteKey:
            ok = deleteKey(root, op.key);
            break;
        case RegOp::Kind::DeleteDefault:
            ok = deleteDefault(root, op);
            break;
        case RegOp::Kind::DeleteKeyIfEmpty: {
            const auto counts = RegKey(root, op.key, KEY_QUERY_VALUE).queryCounts();
            if (counts && counts->subKeys == 0 && counts->values == 0)
                ok = deleteKey(root, op.key);
            break;
        }
        }
        if (!ok && onFailure)
            onFailure(fullKeyName(op.root, op.key));
    }
}

bool userKeyExists(const std::wstring& key) {
    return RegKey(HKEY_CURRENT_USER, key, KEY_QUERY_VALUE).isOpen();
}

} // namespace pvn
