#pragma once
// Nothing may cross a COM boundary but an HRESULT: Explorer would go down with the exception.
#include <windows.h>

#include <new>

namespace pvn::shellext {

template <typename Body>
HRESULT guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

} // namespace pvn::shellext
