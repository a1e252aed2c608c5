#pragma once
// Move-only owners for everything that must be released, and scoped pairs (GetDC/ReleaseDC,
// SelectObject and back). One template; the traits name the close function and the invalid value.
#include <windows.h>
#include <objbase.h>

#include <utility>

namespace pvn {

// Traits: `type`, `static type invalid()`, `static void close(type)`.
template <typename Traits>
class UniqueAny {
public:
    using T = typename Traits::type;

    UniqueAny() = default;
    explicit UniqueAny(T value) : m_value(value) {}
    ~UniqueAny() { reset(); }
    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    UniqueAny(UniqueAny&& other) noexcept : m_value(other.release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    T get() const { return m_value; }
    explicit operator bool() const { return m_value != Traits::invalid(); }
    void reset(T value = Traits::invalid()) {
        if (m_value != Traits::invalid())
            Traits::close(m_value);
        m_value = value;
    }
    T release() { return std::exchange(m_value, Traits::invalid()); }
    // Frees the current value first, then hands out the slot for an out-parameter.
    T* put() {
        reset();
        return &m_value;
    }

private:
    T m_value = Traits::invalid();
};

namespace detail {
template <typename T, void (*Close)(T)>
struct NullTraits {
    using type = T;
    static T invalid() { return T{}; }
    static void close(T v) { Close(v); }
};
template <void (*Close)(HANDLE)>
struct InvalidHandleTraits {
    using type = HANDLE;
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE v) { Close(v); }
};
inline void closeHandle(HANDLE h) { ::CloseHandle(h); }
inline void closeKey(HKEY k) { ::RegCloseKey(k); }
inline void destroyMenu(HMENU m) { ::DestroyMenu(m); }
inline void destroyIcon(HICON i) { ::DestroyIcon(i); }
template <typename T>
inline void deleteObject(T o) { ::DeleteObject(o); }
inline void deleteDC(HDC dc) { ::DeleteDC(dc); }
inline void findClose(HANDLE h) { ::FindClose(h); }
inline void freeLibrary(HMODULE m) { ::FreeLibrary(m); }
inline void unmapView(void* p) { ::UnmapViewOfFile(p); }
inline void destroyWindow(HWND w) { ::DestroyWindow(w); }
inline void coTaskMemFree(void* p) { ::CoTaskMemFree(p); }
} // namespace detail

template <typename T, void (*Close)(T)>
using UniqueNull = UniqueAny<detail::NullTraits<T, Close>>;

using UniqueHandle = UniqueNull<HANDLE, detail::closeHandle>;
using UniqueFile = UniqueAny<detail::InvalidHandleTraits<detail::closeHandle>>;
using UniqueFind = UniqueAny<detail::InvalidHandleTraits<detail::findClose>>;
using UniqueKey = UniqueNull<HKEY, detail::closeKey>;
using UniqueMenu = UniqueNull<HMENU, detail::destroyMenu>;
using UniqueIcon = UniqueNull<HICON, detail::destroyIcon>;
using UniqueFont = UniqueNull<HFONT, detail::deleteObject<HFONT>>;
using UniqueBitmap = UniqueNull<HBITMAP, detail::deleteObject<HBITMAP>>;
using UniqueBrush = UniqueNull<HBRUSH, detail::deleteObject<HBRUSH>>;
using UniqueDC = UniqueNull<HDC, detail::deleteDC>;
using UniqueModule = UniqueNull<HMODULE, detail::freeLibrary>;
using UniqueMapping = UniqueNull<HANDLE, detail::closeHandle>;
using UniqueView = UniqueNull<void*, detail::unmapView>;
using UniqueWindow = UniqueNull<HWND, detail::destroyWindow>;
using UniqueCoMem = UniqueNull<void*, detail::coTaskMemFree>;

// GetDC/ReleaseDC: the release needs the window the DC came from.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
    ~ScopedGetDC() {
        if (m_dc)
            ::ReleaseDC(m_window, m_dc);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    HDC get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// SelectObject, and the old object back on scope exit.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(::SelectObject(dc, object)) {}
    ~ScopedSelect() {
        if (m_old)
            ::SelectObject(m_dc, m_old);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// CoInitializeEx/CoUninitialize for one thread.
class ScopedCoInit {
public:
    explicit ScopedCoInit(DWORD model = COINIT_APARTMENTTHREADED) : m_hr(::CoInitializeEx(nullptr, model)) {}
    ~ScopedCoInit() {
        if (SUCCEEDED(m_hr))
            ::CoUninitialize();
    }
    ScopedCoInit(const ScopedCoInit&) = delete;
    ScopedCoInit& operator=(const ScopedCoInit&) = delete;
    HRESULT result() const { return m_hr; }

private:
    HRESULT m_hr;
};

// A small COM pointer: AddRef on copy, Release on reset; put() releases what it held first.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(T* p) : m_p(p) { // NOLINT: adopting a raw pointer with AddRef is the common case
        if (m_p)
            m_p->AddRef();
    }
    ComPtr(const ComPtr& o) : ComPtr(o.m_p) {}
    ComPtr(ComPtr&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    ComPtr& operator=(ComPtr o) noexcept {
        std::swap(m_p, o.m_p);
        return *this;
    }
    ~ComPtr() { reset(); }

    static ComPtr attach(T* p) {
        ComPtr c;
        c.m_p = p;
        return c;
    }
    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    void reset() {
        if (m_p)
            std::exchange(m_p, nullptr)->Release();
    }
    T* detach() { return std::exchange(m_p, nullptr); }
    T** put() {
        reset();
        return &m_p;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }
    template <typename U>
    ComPtr<U> as(REFIID iid) const {
        ComPtr<U> out;
        if (m_p)
            m_p->QueryInterface(iid, out.putVoid());
        return out;
    }

private:
    T* m_p = nullptr;
};

} // namespace pvn
