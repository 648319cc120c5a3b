#include "settings/RegistryKey.h"
#include <cstring>

BOOL CRegistryKey::QueryText(const char* pszName, char* pszText, DWORD cbText) const {
    DWORD cbData = cbText;
    if (QueryData(pszName, pszText, &cbData)) {
        // Data stored without a terminator ends after the returned length.
        if (cbData < cbText) {
            pszText[cbData] = '\0';
            return TRUE;
        }
        if (std::memchr(pszText, '\0', cbText)) return TRUE;
    }
    pszText[0] = '\0';
    return FALSE;
}

void CRegistryKey::SetText(const char* pszName, const char* pszText) const {
    RegSetValueExA(m_hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszText),
                   static_cast<DWORD>(std::strlen(pszText) + 1));
}
