#include "menu/CDropSource_win.h"

#include "common/ComObject_win.h"

namespace pvn {

HRESULT STDMETHODCALLTYPE CDropSource::QueryInterface(REFIID iid, void** out) {
    return queryInterface(iid, out, {{IID_IDropSource, static_cast<IDropSource*>(this)}});
}

ULONG STDMETHODCALLTYPE CDropSource::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG STDMETHODCALLTYPE CDropSource::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE CDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    if (keyState & (MK_LBUTTON | MK_RBUTTON))
        return S_OK;
    return DRAGDROP_S_DROP;
}

HRESULT STDMETHODCALLTYPE CDropSource::GiveFeedback(DWORD) {
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

} // namespace pvn
