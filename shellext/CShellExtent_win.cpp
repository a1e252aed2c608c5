#include "shellext/CShellExtent_win.h"

#include "common/ComObject_win.h"
#include "common/ErrorBox_win.h"
#include "common/MessagePump_win.h"
#include "common/Paths_win.h"
#include "common/RequestMessage_win.h"
#include "common/RequestPayload.h"
#include "common/Settings_win.h"
#include "common/TrayHandle_win.h"
#include "common/TraySender_win.h"
#include "common/TextPlatform.h"
#include "shellext/ComGuard_win.h"
#include "shellext/DropFiles.h"

#include <span>

namespace pvn::shellext {
namespace {

class StorageMedium {
public:
    StorageMedium() = default;
    ~StorageMedium() {
        if (m_filled)
            ReleaseStgMedium(&m_medium);
    }
    StorageMedium(const StorageMedium&) = delete;
    StorageMedium& operator=(const StorageMedium&) = delete;

    HRESULT get(IDataObject& data, CLIPFORMAT format) {
        FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        const HRESULT hr = data.GetData(&wanted, &m_medium);
        m_filled = SUCCEEDED(hr);
        return hr;
    }
    HGLOBAL global() const { return m_filled && m_medium.tymed == TYMED_HGLOBAL ? m_medium.hGlobal : nullptr; }

private:
    STGMEDIUM m_medium{};
    bool m_filled = false;
};

class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL block) : m_block(block), m_data(block ? GlobalLock(block) : nullptr) {}
    ~GlobalLockScope() {
        if (m_data)
            GlobalUnlock(m_block);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;

    std::span<const std::byte> bytes() const {
        if (!m_data)
            return {};
        return {static_cast<const std::byte*>(m_data), GlobalSize(m_block)};
    }

private:
    HGLOBAL m_block;
    void* m_data;
};

bool insertString(HMENU menu, UINT position, UINT id, const wchar_t* text) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    item.fType = MFT_STRING;
    item.wID = id;
    item.dwTypeData = const_cast<wchar_t*>(text);
    return check(InsertMenuItemW(menu, position, TRUE, &item), "InsertMenuItem");
}

} // namespace

CShellExtent::CShellExtent() {
    // Registered when the object is made, so that the first menu does not wait for it.
    requestMessage();
}

STDMETHODIMP CShellExtent::QueryInterface(REFIID iid, void** out) {
    return queryInterface(iid, out,
                          {{IID_IShellExtInit, static_cast<IShellExtInit*>(this)},
                           {IID_IContextMenu, static_cast<IContextMenu*>(this)}});
}

STDMETHODIMP_(ULONG) CShellExtent::AddRef() { return ++m_refs; }

STDMETHODIMP_(ULONG) CShellExtent::Release() {
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

STDMETHODIMP CShellExtent::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) {
    return guarded([&] {
        m_data = data;
        m_paths.clear();
        m_added = {};
        // Explorer passes no data object for a folder's background; there is nothing to act on then.
        return data ? S_OK : E_INVALIDARG;
    });
}

STDMETHODIMP CShellExtent::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId, UINT flags) {
    return guarded([&] {
        m_added = {};
        return addEntries(menu, index, firstId, lastId, flags);
    });
}

HRESULT CShellExtent::addEntries(HMENU menu, UINT index, UINT firstId, UINT lastId, UINT flags) {
    if (flags & CMF_VERBSONLY)
        return E_FAIL;
    // A double click asks only for the default entry: none of ours, and no question to the tray on
    // every double click.
    if (flags & CMF_DEFAULTONLY)
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0);
    if (!menu || !IsMenu(menu))
        return E_FAIL;

    const RegKey settings = openSettingsForReading();
    if (!settings.isOpen())
        return E_FAIL;
    const auto tray = readTrayHandle(settings);
    if (!tray)
        return E_FAIL;
    bool addContext = true;
    settings.readBool(settingName(SettingId::AddContext), addContext);
    if (!addContext)
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0);

    // A tray that hangs or has gone times out in the sender instead of freezing Explorer's menu.
    m_tray = *tray;
    if (TraySender(m_tray).answer(makeBareRequest(RequestCode::PresenceTest)) == 0)
        return E_FAIL;

    if (!readSelection())
        return E_FAIL;
    const bool singleFolder = m_paths.size() == 1 && folderExists(m_paths[0]);
    const int items = GetMenuItemCount(menu);
    const ExtentMenuPlan plan = planExtentMenu(m_paths.size(), singleFolder, items > 0);
    // Identifiers beyond the range Explorer gave would collide with its own entries.
    if (firstId > lastId || lastId - firstId < plan.commandCount() - 1)
        return E_FAIL;
    insertEntries(menu, index, firstId, plan);
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, plan.commandCount());
}

bool CShellExtent::readSelection() {
    m_paths.clear();
    if (!m_data)
        return false;
    StorageMedium medium;
    if (FAILED(medium.get(*m_data.get(), CF_HDROP)))
        return false;
    const GlobalLockScope lock(medium.global());
    const auto names = parseDropFiles(lock.bytes(), textPlatform());
    if (!names || names->empty())
        return false;
    for (const auto& name : *names) {
        if (!selectedPathFits(name)) {
            m_paths.clear();
            return false;
        }
        m_paths.add(name);
    }
    return true;
}

void CShellExtent::insertEntries(HMENU menu, UINT index, UINT firstId, const ExtentMenuPlan& plan) {
    // The entries follow one another below the separator: fixed positions would let one of
    // Explorer's items in between when the prompt entry is left out.
    UINT position = index;
    if (plan.separator && insertSeparator(menu, static_cast<int>(position)))
        ++position;
    for (const auto& entry : plan.entries) {
        if (insertString(menu, position, firstId + entry.offset, entry.text)) {
            m_added.entries.push_back(entry);
            ++position;
        }
    }
}

STDMETHODIMP CShellExtent::GetCommandString(UINT_PTR, UINT, UINT*, CHAR*, UINT) { return E_NOTIMPL; }

} // namespace pvn::shellext
