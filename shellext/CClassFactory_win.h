#pragma once
// The one class factory of the DLL: makes CShellExtent objects.
#include "shellext/Module_win.h"

#include <unknwn.h>

#include <atomic>

namespace pvn::shellext {

// COM interfaces have no virtual destructor: their objects are released, never deleted by a caller.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CClassFactory final : public IClassFactory {
public:
    CClassFactory() = default;
    CClassFactory(const CClassFactory&) = delete;
    CClassFactory& operator=(const CClassFactory&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    // Only Release deletes.
    ~CClassFactory() = default;

    std::atomic<ULONG> m_refs{0};
    LiveObject m_live;
};
#pragma GCC diagnostic pop

} // namespace pvn::shellext
