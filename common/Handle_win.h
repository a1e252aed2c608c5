#pragma once
// Move-only owners for everything that must be released, and scoped pairs (GetDC/ReleaseDC,
// SelectObject and back, BeginPaint/EndPaint, GlobalLock/GlobalUnlock, COM and OLE initialisation).
// One template (common/UniqueAny.h); the traits name the close function and the invalid value.
#include "common/UniqueAny.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>
#include <shtypes.h>

#include <utility>

namespace pvn {

namespace detail {
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
template <typename T>
inline void coTaskMemFree(T* p) { ::CoTaskMemFree(p); }
inline void unhook(HHOOK h) { ::UnhookWindowsHookEx(h); }
inline void destroyImageList(HIMAGELIST l) { ::ImageList_Destroy(l); }
inline void globalFree(HGLOBAL g) { ::GlobalFree(g); }
} // namespace detail

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
// Memory the shell or COM hands out (CoTaskMemAlloc; SHGetMalloc's allocator is the same one).
template <typename T>
using UniqueCoTaskMem = UniqueNull<T*, detail::coTaskMemFree<T>>;
using UniqueCoMem = UniqueCoTaskMem<void>;
// An item-identifier list the shell allocated (SHGetSpecialFolderLocation, ParseDisplayName, ILClone...).
using UniqueItemList = UniqueCoTaskMem<ITEMIDLIST>;
// A string the shell allocated (STRRET_WSTR, SHStrDup...).
using UniqueCoString = UniqueCoTaskMem<wchar_t>;
using UniqueHook = UniqueNull<HHOOK, detail::unhook>;
using UniqueImageList = UniqueNull<HIMAGELIST, detail::destroyImageList>;
using UniqueGlobal = UniqueNull<HGLOBAL, detail::globalFree>;

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

// A per-thread initialisation, undone on scope exit when it succeeded.
template <void (*Undo)()>
class ScopedInit {
public:
    explicit ScopedInit(HRESULT result) : m_hr(result) {}
    ~ScopedInit() {
        if (SUCCEEDED(m_hr))
            Undo();
    }
    ScopedInit(const ScopedInit&) = delete;
    ScopedInit& operator=(const ScopedInit&) = delete;
    HRESULT result() const { return m_hr; }

private:
    HRESULT m_hr;
};

namespace detail {
inline void coUninitialize() { ::CoUninitialize(); }
inline void oleUninitialize() { ::OleUninitialize(); }
} // namespace detail

// CoInitializeEx/CoUninitialize.
class ScopedCoInit : public ScopedInit<detail::coUninitialize> {
public:
    explicit ScopedCoInit(DWORD model = COINIT_APARTMENTTHREADED) : ScopedInit(::CoInitializeEx(nullptr, model)) {}
};

// OleInitialize/OleUninitialize (drag and drop, the clipboard's data objects).
class ScopedOleInit : public ScopedInit<detail::oleUninitialize> {
public:
    ScopedOleInit() : ScopedInit(::OleInitialize(nullptr)) {}
};

// BeginPaint/EndPaint around a WM_PAINT handler.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : m_window(window), m_dc(::BeginPaint(window, &m_paint)) {}
    ~ScopedPaint() { ::EndPaint(m_window, &m_paint); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    HDC get() const { return m_dc; }
    const RECT& area() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

// GlobalLock/GlobalUnlock: a clipboard or drag-and-drop block while it is read or written.
template <typename T = void>
class ScopedGlobalLock {
public:
    explicit ScopedGlobalLock(HGLOBAL memory)
        : m_memory(memory), m_data(static_cast<T*>(::GlobalLock(memory))) {}
    ~ScopedGlobalLock() {
        if (m_data)
            ::GlobalUnlock(m_memory);
    }
    ScopedGlobalLock(const ScopedGlobalLock&) = delete;
    ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;
    T* get() const { return m_data; }
    explicit operator bool() const { return m_data != nullptr; }
    SIZE_T size() const { return ::GlobalSize(m_memory); }

private:
    HGLOBAL m_memory;
    T* m_data;
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
