#include "ResourceLedger.h"
#include <sstream>

namespace {
ResourceLedger* g_pLedger = nullptr;

template <typename Fn> Fn RealOf(void* p) { return reinterpret_cast<Fn>(p); }
}  // namespace

ResourceLedger* ResourceLedger::Current() { return g_pLedger; }

ResourceLedger::ResourceLedger(HMODULE module) : m_module(module) {
    g_pLedger = this;
    Patch("ADVAPI32.dll", "RegOpenKeyExA", reinterpret_cast<const void*>(&RegOpenKeyExA_));
    Patch("ADVAPI32.dll", "RegCloseKey", reinterpret_cast<const void*>(&RegCloseKey_));
    Patch("USER32.dll", "GetDC", reinterpret_cast<const void*>(&GetDC_));
    Patch("USER32.dll", "ReleaseDC", reinterpret_cast<const void*>(&ReleaseDC_));
    Patch("USER32.dll", "LoadBitmapA", reinterpret_cast<const void*>(&LoadBitmapA_));
    Patch("GDI32.dll", "CreateCompatibleDC", reinterpret_cast<const void*>(&CreateCompatibleDC_));
    Patch("GDI32.dll", "DeleteDC", reinterpret_cast<const void*>(&DeleteDC_));
    Patch("GDI32.dll", "CreatePen", reinterpret_cast<const void*>(&CreatePen_));
    Patch("GDI32.dll", "CreateSolidBrush", reinterpret_cast<const void*>(&CreateSolidBrush_));
    Patch("GDI32.dll", "CreateBitmap", reinterpret_cast<const void*>(&CreateBitmap_));
    Patch("GDI32.dll", "CreateCompatibleBitmap", reinterpret_cast<const void*>(&CreateCompatibleBitmap_));
    Patch("GDI32.dll", "DeleteObject", reinterpret_cast<const void*>(&DeleteObject_));
    Patch("GDI32.dll", "SelectObject", reinterpret_cast<const void*>(&SelectObject_));
    Patch("USER32.dll", "EndPaint", reinterpret_cast<const void*>(&EndPaint_));
    Patch("KERNEL32.dll", "HeapAlloc", reinterpret_cast<const void*>(&HeapAlloc_));
    Patch("KERNEL32.dll", "HeapReAlloc", reinterpret_cast<const void*>(&HeapReAlloc_));
    Patch("KERNEL32.dll", "HeapFree", reinterpret_cast<const void*>(&HeapFree_));
}

ResourceLedger::~ResourceLedger() {
    m_patches.clear();
    if (g_pLedger == this) g_pLedger = nullptr;
}

void ResourceLedger::Patch(const char* dll, const char* function, const void* hook) {
    // A module that does not import a function cannot leak through it; its patch stays inactive.
    m_patches.emplace_back(function, std::make_unique<ImportPatch>(m_module, dll, function, hook));
}

void* ResourceLedger::Real(const char* function) const {
    for (const auto& entry : m_patches)
        if (entry.first == function) return entry.second->Original();
    return nullptr;
}

std::string ResourceLedger::Report() const {
    std::ostringstream out;
    out << "open registry keys " << OpenKeys() << ", held DCs " << HeldDCs() << ", live GDI objects "
        << LiveObjects() << " (deletions refused while selected " << m_refused << "), live heap blocks "
        << LiveHeapBlocks() << ", stray releases " << m_stray;
    return out.str();
}

LONG WINAPI ResourceLedger::RegOpenKeyExA_(HKEY root, LPCSTR sub, DWORD opt, REGSAM sam, PHKEY result) {
    ResourceLedger* self = g_pLedger;
    const LONG rc = RealOf<decltype(&::RegOpenKeyExA)>(self->Real("RegOpenKeyExA"))(root, sub, opt, sam, result);
    if (rc == ERROR_SUCCESS) {
        self->m_keys.insert(*result);
        ++self->m_keysOpened;
    }
    return rc;
}

LONG WINAPI ResourceLedger::RegCloseKey_(HKEY key) {
    ResourceLedger* self = g_pLedger;
    if (!self->m_keys.erase(key)) ++self->m_stray;
    return RealOf<decltype(&::RegCloseKey)>(self->Real("RegCloseKey"))(key);
}

HDC WINAPI ResourceLedger::GetDC_(HWND hWnd) {
    ResourceLedger* self = g_pLedger;
    HDC hdc = RealOf<decltype(&::GetDC)>(self->Real("GetDC"))(hWnd);
    if (hdc) {
        self->m_dcs.insert(hdc);
        ++self->m_dcsTaken;
    }
    return hdc;
}

int WINAPI ResourceLedger::ReleaseDC_(HWND hWnd, HDC hdc) {
    ResourceLedger* self = g_pLedger;
    if (!self->m_dcs.erase(hdc)) ++self->m_stray;
    self->Forget(hdc);
    return RealOf<decltype(&::ReleaseDC)>(self->Real("ReleaseDC"))(hWnd, hdc);
}

HDC WINAPI ResourceLedger::CreateCompatibleDC_(HDC hdc) {
    ResourceLedger* self = g_pLedger;
    HDC mem = RealOf<decltype(&::CreateCompatibleDC)>(self->Real("CreateCompatibleDC"))(hdc);
    if (mem) {
        self->m_dcs.insert(mem);
        ++self->m_dcsTaken;
    }
    return mem;
}

BOOL WINAPI ResourceLedger::DeleteDC_(HDC hdc) {
    ResourceLedger* self = g_pLedger;
    if (!self->m_dcs.erase(hdc)) ++self->m_stray;
    self->Forget(hdc);
    return RealOf<decltype(&::DeleteDC)>(self->Real("DeleteDC"))(hdc);
}

namespace {
template <typename H> H Created(std::set<HGDIOBJ>& objects, size_t& count, H handle) {
    if (handle) {
        objects.insert(handle);
        ++count;
    }
    return handle;
}
}  // namespace

HPEN WINAPI ResourceLedger::CreatePen_(int style, int width, COLORREF color) {
    ResourceLedger* self = g_pLedger;
    return Created(self->m_objects, self->m_objectsCreated,
                   RealOf<decltype(&::CreatePen)>(self->Real("CreatePen"))(style, width, color));
}

HBRUSH WINAPI ResourceLedger::CreateSolidBrush_(COLORREF color) {
    ResourceLedger* self = g_pLedger;
    return Created(self->m_objects, self->m_objectsCreated,
                   RealOf<decltype(&::CreateSolidBrush)>(self->Real("CreateSolidBrush"))(color));
}

HBITMAP WINAPI ResourceLedger::CreateBitmap_(int w, int h, UINT planes, UINT bits, const void* data) {
    ResourceLedger* self = g_pLedger;
    return Created(self->m_objects, self->m_objectsCreated,
                   RealOf<decltype(&::CreateBitmap)>(self->Real("CreateBitmap"))(w, h, planes, bits, data));
}

HBITMAP WINAPI ResourceLedger::CreateCompatibleBitmap_(HDC hdc, int w, int h) {
    ResourceLedger* self = g_pLedger;
    return Created(self->m_objects, self->m_objectsCreated,
                   RealOf<decltype(&::CreateCompatibleBitmap)>(self->Real("CreateCompatibleBitmap"))(hdc, w, h));
}

HBITMAP WINAPI ResourceLedger::LoadBitmapA_(HINSTANCE hInst, LPCSTR name) {
    ResourceLedger* self = g_pLedger;
    return Created(self->m_objects, self->m_objectsCreated,
                   RealOf<decltype(&::LoadBitmapA)>(self->Real("LoadBitmapA"))(hInst, name));
}

BOOL WINAPI ResourceLedger::DeleteObject_(HGDIOBJ object) {
    ResourceLedger* self = g_pLedger;
    for (const auto& dc : self->m_selected) {
        for (const auto& selection : dc.second) {
            if (selection.second != object) continue;
            // Windows 9x refuses, and the object is lost for good.
            ++self->m_refused;
            return FALSE;
        }
    }
    if (!self->m_objects.erase(object)) ++self->m_stray;
    return RealOf<decltype(&::DeleteObject)>(self->Real("DeleteObject"))(object);
}

HGDIOBJ WINAPI ResourceLedger::SelectObject_(HDC hdc, HGDIOBJ object) {
    ResourceLedger* self = g_pLedger;
    HGDIOBJ previous = RealOf<decltype(&::SelectObject)>(self->Real("SelectObject"))(hdc, object);
    if (previous && previous != HGDI_ERROR) self->m_selected[hdc][::GetObjectType(object)] = object;
    return previous;
}

BOOL WINAPI ResourceLedger::EndPaint_(HWND hWnd, const PAINTSTRUCT* ps) {
    ResourceLedger* self = g_pLedger;
    self->Forget(ps->hdc);
    return RealOf<decltype(&::EndPaint)>(self->Real("EndPaint"))(hWnd, ps);
}

void ResourceLedger::Forget(HDC hdc) { m_selected.erase(hdc); }

LPVOID WINAPI ResourceLedger::HeapAlloc_(HANDLE heap, DWORD flags, SIZE_T size) {
    ResourceLedger* self = g_pLedger;
    void* p = RealOf<decltype(&::HeapAlloc)>(self->Real("HeapAlloc"))(heap, flags, size);
    if (p && heap == ::GetProcessHeap()) {
        self->m_blocks.insert(p);
        ++self->m_blocksAllocated;
    }
    return p;
}

LPVOID WINAPI ResourceLedger::HeapReAlloc_(HANDLE heap, DWORD flags, LPVOID block, SIZE_T size) {
    ResourceLedger* self = g_pLedger;
    void* p = RealOf<decltype(&::HeapReAlloc)>(self->Real("HeapReAlloc"))(heap, flags, block, size);
    // A block that moved is a new block; one that could not grow is still the old one.
    if (p && heap == ::GetProcessHeap() && self->m_blocks.erase(block)) self->m_blocks.insert(p);
    return p;
}

BOOL WINAPI ResourceLedger::HeapFree_(HANDLE heap, DWORD flags, LPVOID block) {
    ResourceLedger* self = g_pLedger;
    if (heap == ::GetProcessHeap()) self->m_blocks.erase(block);
    return RealOf<decltype(&::HeapFree)>(self->Real("HeapFree"))(heap, flags, block);
}
