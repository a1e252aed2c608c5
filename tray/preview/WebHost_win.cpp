#include "tray/preview/WebHost_win.h"

#include "tray/preview/WebSite_win.h"

#include <exdisp.h>
#include <shlwapi.h>
#include <urlmon.h>
#include <wininet.h>

namespace pvn {
namespace {

void lockDownProcess() {
    // Local pages run in the restricted zone rules from here on; switching it on twice costs nothing.
    ::CoInternetSetFeatureEnabled(FEATURE_LOCALMACHINE_LOCKDOWN, SET_FEATURE_ON_PROCESS, TRUE);
}

} // namespace

std::wstring fileUrl(const std::wstring& path) {
    wchar_t url[INTERNET_MAX_URL_LENGTH];
    DWORD size = INTERNET_MAX_URL_LENGTH;
    if (FAILED(::UrlCreateFromPathW(path.c_str(), url, &size, 0)))
        return path;
    return std::wstring(url, size);
}

WebHost::~WebHost() {
    Destroy();
}

void WebHost::Destroy() {
    if (m_control) {
        if (m_eventCookie != 0) {
            ComPtr<IConnectionPointContainer> points =
                m_control.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
            ComPtr<IConnectionPoint> point;
            if (points && SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, point.put())))
                point->Unadvise(m_eventCookie);
            m_eventCookie = 0;
        }
        m_control->Close(OLECLOSE_NOSAVE);
        m_control->SetClientSite(nullptr);
        m_control.reset();
    }
    if (m_site) {
        static_cast<IOleClientSite*>(m_site)->Release();
        m_site = nullptr;
    }
    m_window.reset();
}

bool WebHost::Show(HWND parent, const std::wstring& path, int width, int height) {
    Destroy();
    lockDownProcess();
    // A plain static child is enough for a host: the control makes its own window inside it.
    m_window.reset(::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 1, 1,
                                     width - 2, height - 2, parent, nullptr, ::GetModuleHandleW(nullptr),
                                     nullptr));
    if (!m_window)
        return false;

    CLSID browser{};
    if (FAILED(::CLSIDFromProgID(L"Shell.Explorer.2", &browser)) ||
        FAILED(::CoCreateInstance(browser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  m_control.putVoid()))) {
        Destroy();
        return false;
    }
    m_site = new WebSite(m_window.get());
    IOleClientSite* site = m_site;
    RECT area{};
    ::GetClientRect(m_window.get(), &area);
    if (FAILED(m_control->SetClientSite(site)) ||
        FAILED(m_control->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, m_window.get(), &area))) {
        Destroy();
        return false;
    }
    ComPtr<IWebBrowser2> web = m_control.as<IWebBrowser2>(IID_IWebBrowser2);
    if (!web) {
        Destroy();
        return false;
    }
    if (ComPtr<IConnectionPointContainer> points =
            m_control.as<IConnectionPointContainer>(IID_IConnectionPointContainer)) {
        ComPtr<IConnectionPoint> point;
        if (SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, point.put())))
            point->Advise(static_cast<IDispatch*>(m_site), &m_eventCookie);
    }
    web->put_Offline(VARIANT_TRUE);
    web->put_Silent(VARIANT_FALSE);
    web->put_Resizable(VARIANT_FALSE);
    web->put_Left(0);
    web->put_Top(0);
    web->put_Width(area.right);
    web->put_Height(area.bottom);

    VARIANT url;
    ::VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = ::SysAllocString(fileUrl(path).c_str());
    VARIANT empty;
    ::VariantInit(&empty);
    m_navigateResult = web->Navigate2(&url, &empty, &empty, &empty, &empty);
    ::VariantClear(&url);
    return true;
}

} // namespace pvn
