#pragma once
// A data object of the test's own, for what the shell never hands out: no CF_HDROP at all, or a
// CF_HDROP block bent out of shape.
#include "common/Handle_win.h"

#include <objidl.h>

#include <cstddef>
#include <optional>
#include <vector>

namespace pvn::test {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class TestDataObject final : public IDataObject {
public:
    // With a block: CF_HDROP gives a copy of it in global memory. Without: only CF_UNICODETEXT is offered.
    static ComPtr<IDataObject> make(std::optional<std::vector<std::byte>> dropBlock);

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    explicit TestDataObject(std::optional<std::vector<std::byte>> dropBlock) : m_drop(std::move(dropBlock)) {}
    ~TestDataObject() = default;

    ULONG m_refs = 0;
    std::optional<std::vector<std::byte>> m_drop;
};
#pragma GCC diagnostic pop

} // namespace pvn::test
