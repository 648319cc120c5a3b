// The memory and string functions the product calls, and the compiler may call on its own
// (to clear or copy a structure), without the C runtime. This file is compiled so that the
// compiler does not recognise these loops and turn them back into calls to the same functions.
#include <cstddef>

extern "C" {

void* memset(void* pDest, int nValue, std::size_t nCount) {
    auto* p = static_cast<unsigned char*>(pDest);
    while (nCount--) *p++ = static_cast<unsigned char>(nValue);
    return pDest;
}

void* memcpy(void* pDest, const void* pSource, std::size_t nCount) {
    auto* d = static_cast<unsigned char*>(pDest);
    const auto* s = static_cast<const unsigned char*>(pSource);
    while (nCount--) *d++ = *s++;
    return pDest;
}

void* memmove(void* pDest, const void* pSource, std::size_t nCount) {
    auto* d = static_cast<unsigned char*>(pDest);
    const auto* s = static_cast<const unsigned char*>(pSource);
    if (d <= s || d >= s + nCount) return memcpy(pDest, pSource, nCount);
    while (nCount--) d[nCount] = s[nCount];
    return pDest;
}

int memcmp(const void* pLeft, const void* pRight, std::size_t nCount) {
    const auto* a = static_cast<const unsigned char*>(pLeft);
    const auto* b = static_cast<const unsigned char*>(pRight);
    for (; nCount; --nCount, ++a, ++b)
        if (*a != *b) return *a < *b ? -1 : 1;
    return 0;
}

void* memchr(const void* pSource, int nValue, std::size_t nCount) {
    const auto* p = static_cast<const unsigned char*>(pSource);
    for (; nCount; --nCount, ++p)
        if (*p == static_cast<unsigned char>(nValue)) return const_cast<unsigned char*>(p);
    return nullptr;
}

std::size_t strlen(const char* psz) {
    const char* p = psz;
    while (*p) ++p;
    return static_cast<std::size_t>(p - psz);
}

int strncmp(const char* pszLeft, const char* pszRight, std::size_t nCount) {
    for (; nCount; --nCount, ++pszLeft, ++pszRight) {
        const unsigned char a = static_cast<unsigned char>(*pszLeft), b = static_cast<unsigned char>(*pszRight);
        if (a != b) return a < b ? -1 : 1;
        if (!a) break;
    }
    return 0;
}

int strcmp(const char* pszLeft, const char* pszRight) { return strncmp(pszLeft, pszRight, static_cast<std::size_t>(-1)); }

}  // extern "C"
