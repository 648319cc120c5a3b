// One registry value exactly as it was stored (its type and bytes, whatever their size), or the
// fact that there was none, so that it can be put back after a temporary change.
#pragma once
#include <windows.h>

class CRegistryKey;

class CSavedValue {
public:
    CSavedValue() = default;
    ~CSavedValue() { delete[] m_pData; }
    CSavedValue(const CSavedValue&) = delete;
    CSavedValue& operator=(const CSavedValue&) = delete;

    // Reads the value; TRUE when it was read, or found not to exist.
    BOOL Save(const CRegistryKey& key, const char* pszName);
    // Puts back what Save found: the same type and bytes, or no value at all. Nothing happens
    // when nothing was saved.
    void Restore(const CRegistryKey& key, const char* pszName) const;
    BOOL IsSaved() const { return m_bSaved; }

private:
    BOOL m_bSaved = FALSE;
    BOOL m_bExists = FALSE;
    DWORD m_dwType = 0;
    BYTE* m_pData = nullptr;
    DWORD m_cbData = 0;
};
