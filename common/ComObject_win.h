#pragma once
// QueryInterface from a table, written once for every COM object of ours.
#include <unknwn.h>

#include <initializer_list>

namespace pvn {

// An interface id and the object's pointer for it (this, cast to that interface).
struct InterfaceEntry {
    const IID& iid;
    IUnknown* pointer;
};

// IUnknown gives the first entry's pointer; a refused interface leaves *out null. The pointer handed
// out is AddRef'd through itself, as every caller of QueryInterface expects.
inline HRESULT queryInterface(REFIID iid, void** out, std::initializer_list<InterfaceEntry> table) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    for (const InterfaceEntry& entry : table) {
        if (IsEqualIID(iid, entry.iid) || (IsEqualIID(iid, IID_IUnknown) && &entry == table.begin())) {
            entry.pointer->AddRef();
            *out = entry.pointer;
            return S_OK;
        }
    }
    return E_NOINTERFACE;
}

} // namespace pvn
