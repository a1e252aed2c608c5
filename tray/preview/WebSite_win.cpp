#include "tray/preview/WebSite_win.h"

#include "common/ComObject_win.h"

#include <exdisp.h>
#include <exdispid.h>
#include <mshtmdid.h>

namespace pvn {
namespace {

// The argument of an event at its position in the declaration (arguments arrive in reverse order).
VARIANT* argument(DISPPARAMS* parameters, UINT position) {
    if (!parameters || position >= parameters->cArgs)
        return nullptr;
    return &parameters->rgvarg[parameters->cArgs - 1 - position];
}

void cancel(VARIANT* flag) {
    if (flag && flag->vt == (VT_BYREF | VT_BOOL) && flag->pboolVal)
        *flag->pboolVal = VARIANT_TRUE;
}

} // namespace

DWORD webDownloadControl() {
    return DLCTL_DLIMAGES | DLCTL_NO_SCRIPTS | DLCTL_NO_JAVA | DLCTL_NO_RUNACTIVEXCTLS |
           DLCTL_NO_DLACTIVEXCTLS | DLCTL_NO_FRAMEDOWNLOAD | DLCTL_NO_BEHAVIORS | DLCTL_NO_CLIENTPULL |
           DLCTL_FORCEOFFLINE | DLCTL_NO_METACHARSET;
}

HRESULT WebSite::QueryInterface(REFIID iid, void** out) {
    return queryInterface(iid, out,
                          {{IID_IOleClientSite, static_cast<IOleClientSite*>(this)},
                           {IID_IOleWindow, static_cast<IOleInPlaceSite*>(this)},
                           {IID_IOleInPlaceSite, static_cast<IOleInPlaceSite*>(this)},
                           {IID_IOleInPlaceUIWindow, static_cast<IOleInPlaceFrame*>(this)},
                           {IID_IOleInPlaceFrame, static_cast<IOleInPlaceFrame*>(this)},
                           {IID_IDispatch, static_cast<IDispatch*>(this)},
                           {DIID_DWebBrowserEvents2, static_cast<IDispatch*>(this)}});
}

ULONG WebSite::Release() {
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

HRESULT WebSite::GetContainer(IOleContainer** out) {
    if (out)
        *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT WebSite::GetWindow(HWND* out) {
    if (!out)
        return E_POINTER;
    *out = m_window;
    return S_OK;
}

HRESULT WebSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info)
        return E_POINTER;
    *frame = this;
    AddRef();
    *document = nullptr;
    ::GetClientRect(m_window, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = m_window;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT WebSite::GetTypeInfoCount(UINT* count) {
    if (count)
        *count = 0;
    return S_OK;
}

HRESULT WebSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO*,
                        UINT*) {
    switch (id) {
    case DISPID_AMBIENT_DLCONTROL:
        if (!result)
            return E_POINTER;
        ::VariantInit(result);
        result->vt = VT_I4;
        result->lVal = static_cast<LONG>(webDownloadControl());
        return S_OK;
    case DISPID_BEFORENAVIGATE2:
        // (browser, URL, flags, frame, post data, headers, cancel): the file itself, nothing after it.
        if (++m_navigations > 1)
            cancel(argument(parameters, 6));
        return S_OK;
    case DISPID_NEWWINDOW2:
        cancel(argument(parameters, 1));
        return S_OK;
    case DISPID_NEWWINDOW3:
        cancel(argument(parameters, 1));
        return S_OK;
    case DISPID_FILEDOWNLOAD: {
        // (active document, cancel): only the page itself may load.
        const VARIANT* document = argument(parameters, 0);
        if (!document || document->vt != VT_BOOL || document->boolVal == VARIANT_FALSE)
            cancel(argument(parameters, 1));
        return S_OK;
    }
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

} // namespace pvn
