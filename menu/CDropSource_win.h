#pragma once
// The drop source of a drag out of the folder menu.
#include <ole2.h>

namespace pvn {

// COM interfaces have no virtual destructor: the object is released, never deleted by a caller.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CDropSource final : public IDropSource {
public:
    CDropSource() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // Escape cancels; the drop happens once neither the left nor the right button is held.
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

private:
    ~CDropSource() = default;
    LONG m_references = 1;
};
#pragma GCC diagnostic pop

} // namespace pvn
