#include "settings/SavedValue.h"
#include <new>
#include "settings/RegistryKey.h"

BOOL CSavedValue::Save(const CRegistryKey& key, const char* pszName) {
    delete[] m_pData;
    m_pData = nullptr;
    m_bSaved = m_bExists = FALSE;
    DWORD cbData = 0;
    const LONG rc = ::RegQueryValueExA(key.Get(), pszName, nullptr, &m_dwType, nullptr, &cbData);
    if (rc == ERROR_FILE_NOT_FOUND) return m_bSaved = TRUE;
    if (rc != ERROR_SUCCESS) return FALSE;
    m_pData = new (std::nothrow) BYTE[cbData ? cbData : 1];
    if (!m_pData) return FALSE;
    m_cbData = cbData;
    if (::RegQueryValueExA(key.Get(), pszName, nullptr, &m_dwType, m_pData, &m_cbData) != ERROR_SUCCESS) return FALSE;
    return m_bSaved = m_bExists = TRUE;
}

void CSavedValue::Restore(const CRegistryKey& key, const char* pszName) const {
    if (!m_bSaved) return;
    if (m_bExists) ::RegSetValueExA(key.Get(), pszName, 0, m_dwType, m_pData, m_cbData);
    else ::RegDeleteValueA(key.Get(), pszName);
}
