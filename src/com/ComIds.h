// The identifiers this server answers to, compared as 16 raw bytes.
#pragma once
#include <windows.h>
#include <cstring>

// The class served by tavrolin.dll: {545C341E-C432-4F2B-85B4-83DD2FDBA624}.
constexpr GUID CLSID_TavrolinDisplayPage =
    { 0x545C341E, 0xC432, 0x4F2B, { 0x85, 0xB4, 0x83, 0xDD, 0x2F, 0xDB, 0xA6, 0x24 } };

constexpr GUID kIID_IUnknown = { 0x00000000, 0x0000, 0x0000, { 0xC0, 0, 0, 0, 0, 0, 0, 0x46 } };
constexpr GUID kIID_IClassFactory = { 0x00000001, 0x0000, 0x0000, { 0xC0, 0, 0, 0, 0, 0, 0, 0x46 } };
constexpr GUID kIID_IShellExtInit = { 0x000214E8, 0x0000, 0x0000, { 0xC0, 0, 0, 0, 0, 0, 0, 0x46 } };
constexpr GUID kIID_IShellPropSheetExt = { 0x000214E9, 0x0000, 0x0000, { 0xC0, 0, 0, 0, 0, 0, 0, 0x46 } };
constexpr GUID kIID_IDispatch = { 0x00020400, 0x0000, 0x0000, { 0xC0, 0, 0, 0, 0, 0, 0, 0x46 } };
constexpr GUID kIID_IAccessible = { 0x618736E0, 0x3C3D, 0x11CF, { 0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 } };

inline bool IsSameId(const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof(GUID)) == 0; }

// C callers can pass a null REFIID or REFCLSID; the volatile read keeps the compiler from
// assuming a reference is never null.
inline bool IsNullId(const GUID& id) {
    const GUID* volatile p = &id;
    return p == nullptr;
}
