#pragma once
// The context-menu handler Explorer creates for each context menu: Initialize with the selection,
// QueryContextMenu to add the entries, at most one InvokeCommand, then the last Release.
#include "common/Handle_win.h"
#include "common/StringList.h"
#include "shellext/ExtentMenuPlan.h"
#include "shellext/Module_win.h"

#include <shlobj.h>

#include <atomic>

namespace pvn::shellext {

// COM interfaces have no virtual destructor: their objects are released, never deleted by a caller.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CShellExtent final : public IShellExtInit, public IContextMenu {
public:
    CShellExtent();
    CShellExtent(const CShellExtent&) = delete;
    CShellExtent& operator=(const CShellExtent&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY programKey) override;

    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId, UINT flags) override;
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override;
    STDMETHODIMP GetCommandString(UINT_PTR command, UINT type, UINT* reserved, CHAR* name, UINT size) override;

private:
    // Only Release deletes.
    ~CShellExtent() = default;

    HRESULT addEntries(HMENU menu, UINT index, UINT firstId, UINT lastId, UINT flags);
    // The names of the CF_HDROP data into m_paths; false for no data, no names or a name too long.
    bool readSelection();
    void insertEntries(HMENU menu, UINT index, UINT firstId, const ExtentMenuPlan& plan);

    HRESULT runCommand(const CMINVOKECOMMANDINFO& info);
    HRESULT sendSelectionToTray();
    HRESULT copyNameToClipboard();

    std::atomic<ULONG> m_refs{0};
    LiveObject m_live;
    ComPtr<IDataObject> m_data;
    HWND m_tray = nullptr;
    StringList m_paths;
    // The entries actually added by the last QueryContextMenu, with their offsets.
    ExtentMenuPlan m_added;
};
#pragma GCC diagnostic pop

} // namespace pvn::shellext
