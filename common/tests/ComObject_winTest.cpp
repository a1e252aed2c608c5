#include "common/ComObject_win.h"

#include <gtest/gtest.h>

#include <ole2.h>

namespace pvn {
namespace {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
// Two interfaces, so that a pointer of the second base differs from `this`.
class TwoFaces final : public IDropSource, public IPersist {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        return queryInterface(iid, out,
                              {{IID_IDropSource, static_cast<IDropSource*>(this)},
                               {IID_IPersist, static_cast<IPersist*>(this)}});
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }

    ULONG refs = 1;
};
#pragma GCC diagnostic pop

TEST(ComObjectTest, TableAnswersEachInterfaceWithItsOwnPointerAndOneReference) {
    TwoFaces object;
    IUnknown* asDropSource = static_cast<IDropSource*>(&object);
    IUnknown* asPersist = static_cast<IPersist*>(&object);
    ASSERT_NE(static_cast<void*>(asDropSource), static_cast<void*>(asPersist));
    const struct {
        const IID& iid;
        void* expected;
    } cases[] = {{IID_IUnknown, asDropSource}, {IID_IDropSource, asDropSource}, {IID_IPersist, asPersist},
                 {IID_IDropTarget, nullptr}};
    for (const auto& c : cases) {
        void* out = reinterpret_cast<void*>(1);
        const ULONG before = object.refs;
        const HRESULT hr = object.QueryInterface(c.iid, &out);
        EXPECT_EQ(c.expected ? S_OK : E_NOINTERFACE, hr);
        EXPECT_EQ(c.expected, out);
        EXPECT_EQ(before + (c.expected ? 1 : 0), object.refs);
        object.refs = before;
    }
    EXPECT_EQ(E_POINTER, object.QueryInterface(IID_IUnknown, nullptr));
}

} // namespace
} // namespace pvn
