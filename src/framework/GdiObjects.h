// Holders that bind GDI objects and device contexts to a scope, as CRegistryKey binds registry
// keys. Declared in the order they are made (objects, then the DC, then the selections), they
// go in reverse: each selection is undone, then the DC is deleted or released, and only then are
// the objects deleted. So no object is deleted while still selected into a DC, which Windows 9x
// refuses (the object is then lost), even when selecting the original back failed.
#pragma once
#include <windows.h>

// A pen, brush or bitmap, deleted when the holder goes out of scope. Null when it could not be made.
template <typename T> class CGdiObject {
public:
    explicit CGdiObject(T hObject = nullptr) : m_hObject(hObject) {}
    CGdiObject(CGdiObject&& other) : m_hObject(other.m_hObject) { other.m_hObject = nullptr; }
    ~CGdiObject() {
        if (m_hObject) ::DeleteObject(m_hObject);
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    operator T() const { return m_hObject; }

private:
    T m_hObject;
};

using CPen = CGdiObject<HPEN>;
using CBitmap = CGdiObject<HBITMAP>;

// A memory device context compatible with another, deleted when the holder goes out of scope.
class CMemoryDC {
public:
    explicit CMemoryDC(HDC hdcLike) : m_hdc(::CreateCompatibleDC(hdcLike)) {}
    ~CMemoryDC() {
        if (m_hdc) ::DeleteDC(m_hdc);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    operator HDC() const { return m_hdc; }

private:
    HDC m_hdc;
};

// A window's client-area device context from GetDC (the screen's for no window), released when
// the holder goes out of scope.
class CClientDC {
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd), m_hdc(::GetDC(hWnd)) {}
    ~CClientDC() {
        if (m_hdc) ::ReleaseDC(m_hWnd, m_hdc);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

    operator HDC() const { return m_hdc; }

private:
    HWND m_hWnd;
    HDC m_hdc;
};

// Objects selected into a DC for a while: the object that was there before the first of them
// is selected back when the holder goes out of scope. A null DC or object selects nothing.
class CSelection {
public:
    CSelection(HDC hdc, HGDIOBJ hObject) : m_hdc(hdc) { Select(hObject); }
    ~CSelection() {
        if (m_hOriginal) ::SelectObject(m_hdc, m_hOriginal);
    }
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

    // Selects another object of the same kind in place of the one selected now.
    void Select(HGDIOBJ hObject) {
        if (!m_hdc || !hObject) return;
        HGDIOBJ hReplaced = ::SelectObject(m_hdc, hObject);
        if (!m_hOriginal) m_hOriginal = hReplaced;
    }
    // TRUE once an object has been selected.
    bool Selected() const { return m_hOriginal != nullptr; }

private:
    HDC m_hdc;
    HGDIOBJ m_hOriginal = nullptr;
};
