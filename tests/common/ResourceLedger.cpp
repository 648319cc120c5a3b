#include "ResourceLedger.h"
#include <sstream>

namespace {

// Notes a handle a call handed out, if it handed one out.
template <typename H, typename Set> H Took(Set& held, size_t& count, H handle) {
    if (handle) {
        held.insert(handle);
        ++count;
    }
    return handle;
}

}  // namespace

template <typename Fn, typename Handler> void ResourceLedger::Hook(const char* dll, const char* function, Handler handler) {
    m_hooks.push_back(std::make_unique<ImportHook<Fn>>(m_module, dll, function, handler));
}

template <typename H> void ResourceLedger::Gave(std::set<H>& held, H handle) {
    if (!held.erase(handle)) ++m_stray;
}

// A module that does not import a function cannot leak through it; its hook stays inactive.
ResourceLedger::ResourceLedger(HMODULE module) : m_module(module) {
    Hook<decltype(&::RegOpenKeyExA)>("ADVAPI32.dll", "RegOpenKeyExA", [this](auto real, HKEY root, LPCSTR sub, DWORD opt, REGSAM sam, PHKEY result) {
        const LONG rc = real(root, sub, opt, sam, result);
        if (rc == ERROR_SUCCESS) Took(m_keys, m_keysOpened, *result);
        return rc;
    });
    Hook<decltype(&::RegCloseKey)>("ADVAPI32.dll", "RegCloseKey", [this](auto real, HKEY key) {
        Gave(m_keys, key);
        return real(key);
    });
    Hook<decltype(&::GetDC)>("USER32.dll", "GetDC", [this](auto real, HWND hWnd) { return Took(m_dcs, m_dcsTaken, real(hWnd)); });
    Hook<decltype(&::ReleaseDC)>("USER32.dll", "ReleaseDC", [this](auto real, HWND hWnd, HDC hdc) {
        Gave(m_dcs, hdc);
        m_selected.erase(hdc);
        return real(hWnd, hdc);
    });
    Hook<decltype(&::CreateCompatibleDC)>("GDI32.dll", "CreateCompatibleDC", [this](auto real, HDC hdc) { return Took(m_dcs, m_dcsTaken, real(hdc)); });
    Hook<decltype(&::DeleteDC)>("GDI32.dll", "DeleteDC", [this](auto real, HDC hdc) {
        Gave(m_dcs, hdc);
        m_selected.erase(hdc);
        return real(hdc);
    });
    // A painted window's DC goes back to the system's cache: nothing is selected into it any more.
    Hook<decltype(&::EndPaint)>("USER32.dll", "EndPaint", [this](auto real, HWND hWnd, const PAINTSTRUCT* ps) {
        m_selected.erase(ps->hdc);
        return real(hWnd, ps);
    });
    const auto created = [this](auto real, auto... args) { return Took(m_objects, m_objectsCreated, real(args...)); };
    Hook<decltype(&::CreatePen)>("GDI32.dll", "CreatePen", created);
    Hook<decltype(&::CreateSolidBrush)>("GDI32.dll", "CreateSolidBrush", created);
    Hook<decltype(&::CreateBitmap)>("GDI32.dll", "CreateBitmap", created);
    Hook<decltype(&::CreateCompatibleBitmap)>("GDI32.dll", "CreateCompatibleBitmap", created);
    Hook<decltype(&::LoadBitmapA)>("USER32.dll", "LoadBitmapA", created);
    Hook<decltype(&::SelectObject)>("GDI32.dll", "SelectObject", [this](auto real, HDC hdc, HGDIOBJ object) {
        HGDIOBJ previous = real(hdc, object);
        if (previous && previous != HGDI_ERROR) m_selected[hdc][::GetObjectType(object)] = object;
        return previous;
    });
    Hook<decltype(&::DeleteObject)>("GDI32.dll", "DeleteObject", [this](auto real, HGDIOBJ object) {
        for (const auto& dc : m_selected) {
            for (const auto& selection : dc.second) {
                if (selection.second != object) continue;
                // Windows 9x refuses, and the object is lost for good.
                ++m_refused;
                return FALSE;
            }
        }
        Gave(m_objects, object);
        return real(object);
    });
    // Only the process heap, which the DLL allocates from, is counted.
    Hook<decltype(&::HeapAlloc)>("KERNEL32.dll", "HeapAlloc", [this](auto real, HANDLE heap, DWORD flags, SIZE_T size) {
        void* p = real(heap, flags, size);
        return heap == ::GetProcessHeap() ? Took(m_blocks, m_blocksAllocated, p) : p;
    });
    Hook<decltype(&::HeapReAlloc)>("KERNEL32.dll", "HeapReAlloc", [this](auto real, HANDLE heap, DWORD flags, LPVOID block, SIZE_T size) {
        void* p = real(heap, flags, block, size);
        // A block that moved is a new block; one that could not grow is still the old one.
        if (p && heap == ::GetProcessHeap() && m_blocks.erase(block)) m_blocks.insert(p);
        return p;
    });
    Hook<decltype(&::HeapFree)>("KERNEL32.dll", "HeapFree", [this](auto real, HANDLE heap, DWORD flags, LPVOID block) {
        if (heap == ::GetProcessHeap()) m_blocks.erase(block);
        return real(heap, flags, block);
    });
}

std::string ResourceLedger::Report() const {
    std::ostringstream out;
    out << "open registry keys " << OpenKeys() << ", held DCs " << HeldDCs() << ", live GDI objects "
        << LiveObjects() << " (deletions refused while selected " << m_refused << "), live heap blocks "
        << LiveHeapBlocks() << ", stray releases " << m_stray;
    return out.str();
}
