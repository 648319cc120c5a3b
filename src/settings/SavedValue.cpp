#include "settings/SavedValue.h"
#include <new>

BOOL CSavedValue::Save(const char* pszName) {
    delete[] m_pData;
    m_pData = nullptr;
    m_bSaved = m_bExists = FALSE;
    // A value that fits the buffer kept here is read by one query; a longer one is read again
    // into a buffer of the size the first query gave.
    m_cbData = sizeof m_inlineData;
    LONG rc = ::RegQueryValueExA(m_key.Get(), pszName, nullptr, &m_dwType, m_inlineData, &m_cbData);
    if (rc == ERROR_FILE_NOT_FOUND) return m_bSaved = TRUE;
    if (rc == ERROR_MORE_DATA) {
        m_pData = new (std::nothrow) BYTE[m_cbData];
        if (!m_pData) return FALSE;
        rc = ::RegQueryValueExA(m_key.Get(), pszName, nullptr, &m_dwType, m_pData, &m_cbData);
    }
    if (rc != ERROR_SUCCESS) return FALSE;
    return m_bSaved = m_bExists = TRUE;
}

void CSavedValue::Restore(const char* pszName) const {
    // The temporary value would otherwise stay for good, and be saved as the value to put back
    // next time: a write refused once is tried again.
    if (m_bSaved && !PutBack(pszName)) PutBack(pszName);
}

BOOL CSavedValue::PutBack(const char* pszName) const {
    const LONG rc = m_bExists ? ::RegSetValueExA(m_key.Get(), pszName, 0, m_dwType, Data(), m_cbData)
                              : ::RegDeleteValueA(m_key.Get(), pszName);
    return rc == ERROR_SUCCESS || (!m_bExists && rc == ERROR_FILE_NOT_FOUND);
}
