// The two entry points Explorer calls, and the load notification that keeps the instance handle.
#include "shellext/CClassFactory_win.h"
#include "shellext/ComGuard_win.h"
#include "shellext/Module_win.h"

#include <new>

using namespace pvn::shellext;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        setModuleInstance(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, LPVOID* out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(classId, kExtentClassId))
        return CLASS_E_CLASSNOTAVAILABLE;
    return guarded([&] {
        // A changed DLL has said so in its box once; from then on it serves nothing.
        if (!moduleIntact())
            return CLASS_E_CLASSNOTAVAILABLE;
        auto* factory = new (std::nothrow) CClassFactory();
        if (!factory)
            return E_OUTOFMEMORY;
        factory->AddRef();
        const HRESULT hr = factory->QueryInterface(iid, out);
        factory->Release();
        return hr;
    });
}

STDAPI DllCanUnloadNow() { return liveObjects() == 0 ? S_OK : S_FALSE; }
