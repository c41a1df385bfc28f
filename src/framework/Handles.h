// Owners for Win32 handles: one owner per handle, non-copyable, movable.
// CHandleT<Traits, true> owns and closes; CHandleT<Traits, false> only borrows.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <cstdint>
#include <utility>

// Copying is deleted for owners and allowed for borrowers; an empty base carries the choice so
// that std::is_copy_constructible tells the truth.
template <bool t_bCopyable> struct CCopyGate {
};
template <> struct CCopyGate<false> {
    CCopyGate() = default;
    CCopyGate(const CCopyGate &) = delete;
    CCopyGate &operator=(const CCopyGate &) = delete;
    CCopyGate(CCopyGate &&) = default;
    CCopyGate &operator=(CCopyGate &&) = default;
};

template <class Traits, bool t_bOwn> class CHandleT : private CCopyGate<!t_bOwn> {
public:
    using Handle = typename Traits::Handle;

    CHandleT() noexcept : m_h(Traits::Invalid()) {}
    explicit CHandleT(Handle h) noexcept : m_h(h) {}
    ~CHandleT() { Close(); }

    CHandleT(CHandleT &&other) noexcept : m_h(other.Detach()) {}
    CHandleT &operator=(CHandleT &&other) noexcept
    {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }
    // A borrowed handle may be copied freely; an owned one has one owner and is moved.
    CHandleT(const CHandleT &) = default;
    CHandleT &operator=(const CHandleT &) = default;

    Handle Get() const noexcept { return m_h; }
    operator Handle() const noexcept { return m_h; }
    bool IsValid() const noexcept { return m_h != Traits::Invalid(); }
    explicit operator bool() const noexcept { return IsValid(); }

    void Attach(Handle h) noexcept
    {
        Close();
        m_h = h;
    }
    Handle Detach() noexcept { return std::exchange(m_h, Traits::Invalid()); }
    void Close() noexcept
    {
        if (t_bOwn && IsValid())
            Traits::Close(m_h);
        m_h = Traits::Invalid();
    }

private:
    Handle m_h;
};

// How a kind of handle is closed and which value means "none".
template <class H, auto t_pfnClose, intptr_t t_nInvalid = 0> struct CHandleTraits {
    using Handle = H;
    static Handle Invalid() noexcept { return reinterpret_cast<Handle>(t_nInvalid); }
    static void Close(Handle h) noexcept { t_pfnClose(h); }
};
using CFileTraits = CHandleTraits<HANDLE, ::CloseHandle, -1>;
using CFindTraits = CHandleTraits<HANDLE, ::FindClose, -1>;
using CSyncTraits = CHandleTraits<HANDLE, ::CloseHandle>;
template <class H> using CGdiTraits = CHandleTraits<H, ::DeleteObject>;
using CIconTraits = CHandleTraits<HICON, ::DestroyIcon>;
using CCursorTraits = CHandleTraits<HCURSOR, ::DestroyCursor>;
using CMemDCTraits = CHandleTraits<HDC, ::DeleteDC>;
using CImageListTraits = CHandleTraits<HIMAGELIST, ::ImageList_Destroy>;
using CGlobalTraits = CHandleTraits<HGLOBAL, ::GlobalFree>;

using CFileHandle = CHandleT<CFileTraits, true>;
using CFindHandle = CHandleT<CFindTraits, true>;
using CEventHandle = CHandleT<CSyncTraits, true>;
using CThreadHandle = CHandleT<CSyncTraits, true>;
using CFont = CHandleT<CGdiTraits<HFONT>, true>;
using CFontHandle = CHandleT<CGdiTraits<HFONT>, false>;
using CBitmap = CHandleT<CGdiTraits<HBITMAP>, true>;
using CBitmapHandle = CHandleT<CGdiTraits<HBITMAP>, false>;
using CPen = CHandleT<CGdiTraits<HPEN>, true>;
using CBrush = CHandleT<CGdiTraits<HBRUSH>, true>;
using CRgn = CHandleT<CGdiTraits<HRGN>, true>;
using CIcon = CHandleT<CIconTraits, true>;
using CIconHandle = CHandleT<CIconTraits, false>;
using CCursor = CHandleT<CCursorTraits, true>;
using CCursorHandle = CHandleT<CCursorTraits, false>;
using CMemDC = CHandleT<CMemDCTraits, true>;
using CImageList = CHandleT<CImageListTraits, true>;
using CImageListHandle = CHandleT<CImageListTraits, false>;
using CGlobalMem = CHandleT<CGlobalTraits, true>;

// A window's device context, released to its window at the end of the scope.
class CClientDC {
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~CClientDC()
    {
        if (m_hDC)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    CClientDC(const CClientDC &) = delete;
    CClientDC &operator=(const CClientDC &) = delete;
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// Selects a GDI object into a DC and puts the old one back at the end of the scope.
class CSelectObject {
public:
    CSelectObject(HDC hDC, HGDIOBJ hObj) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObj)) {}
    ~CSelectObject() { ::SelectObject(m_hDC, m_hOld); }
    CSelectObject(const CSelectObject &) = delete;
    CSelectObject &operator=(const CSelectObject &) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// A critical section that lives as long as its owner.
class CCriticalSection {
public:
    CCriticalSection() { ::InitializeCriticalSection(&m_cs); }
    ~CCriticalSection() { ::DeleteCriticalSection(&m_cs); }
    CCriticalSection(const CCriticalSection &) = delete;
    CCriticalSection &operator=(const CCriticalSection &) = delete;
    void Lock() { ::EnterCriticalSection(&m_cs); }
    void Unlock() { ::LeaveCriticalSection(&m_cs); }

private:
    CRITICAL_SECTION m_cs;
};

class CLock {
public:
    explicit CLock(CCriticalSection &cs) : m_cs(cs) { m_cs.Lock(); }
    ~CLock() { m_cs.Unlock(); }
    CLock(const CLock &) = delete;
    CLock &operator=(const CLock &) = delete;

private:
    CCriticalSection &m_cs;
};
