#include "shellext/tests/support/TestDataObject_win.h"

#include "common/ComObject_win.h"

#include <cstring>

namespace pvn::test {

ComPtr<IDataObject> TestDataObject::make(std::optional<std::vector<std::byte>> dropBlock) {
    return ComPtr<IDataObject>(new TestDataObject(std::move(dropBlock)));
}

STDMETHODIMP TestDataObject::QueryInterface(REFIID iid, void** out) {
    return queryInterface(iid, out, {{IID_IDataObject, static_cast<IDataObject*>(this)}});
}

STDMETHODIMP_(ULONG) TestDataObject::AddRef() { return ++m_refs; }

STDMETHODIMP_(ULONG) TestDataObject::Release() {
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

STDMETHODIMP TestDataObject::QueryGetData(FORMATETC* format) {
    if (!format)
        return E_POINTER;
    const bool offered = format->cfFormat == (m_drop ? CF_HDROP : CF_UNICODETEXT);
    return offered && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP TestDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium)
        return E_POINTER;
    const HRESULT offered = QueryGetData(format);
    if (FAILED(offered))
        return offered;
    const std::vector<std::byte> text = {std::byte{'a'}, std::byte{0}, std::byte{0}, std::byte{0}};
    const std::vector<std::byte>& bytes = m_drop ? *m_drop : text;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
    if (!block)
        return E_OUTOFMEMORY;
    if (!bytes.empty()) {
        std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
        GlobalUnlock(block);
    }
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

} // namespace pvn::test
