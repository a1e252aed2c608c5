#include "shellext/CClassFactory_win.h"

#include "shellext/CShellExtent_win.h"
#include "shellext/ComGuard_win.h"

#include "common/ComObject_win.h"

#include <new>

namespace pvn::shellext {

STDMETHODIMP CClassFactory::QueryInterface(REFIID iid, void** out) {
    return queryInterface(iid, out, {{IID_IClassFactory, static_cast<IClassFactory*>(this)}});
}

STDMETHODIMP_(ULONG) CClassFactory::AddRef() { return ++m_refs; }

STDMETHODIMP_(ULONG) CClassFactory::Release() {
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    return guarded([&] {
        auto* extent = new (std::nothrow) CShellExtent();
        if (!extent)
            return E_OUTOFMEMORY;
        // The query gives the first reference; a refused interface leaves none and frees the object.
        extent->AddRef();
        const HRESULT hr = extent->QueryInterface(iid, out);
        extent->Release();
        return hr;
    });
}

STDMETHODIMP CClassFactory::LockServer(BOOL) { return S_OK; }

} // namespace pvn::shellext
