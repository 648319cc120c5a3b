// One registry value exactly as it was stored (its type and bytes, whatever their size), or the
// fact that there was none, so that it can be put back after a temporary change. The key it was
// read from stays open until then: putting it back needs no second lookup that could fail.
#pragma once
#include <windows.h>
#include "settings/RegistryKey.h"

class CSavedValue {
public:
    CSavedValue() = default;
    ~CSavedValue() { delete[] m_pData; }
    CSavedValue(const CSavedValue&) = delete;
    CSavedValue& operator=(const CSavedValue&) = delete;

    // The key to save from and restore to; open it with query and set-value access.
    CRegistryKey& Key() { return m_key; }
    // Reads the value from Key(); TRUE when it was read, or found not to exist.
    BOOL Save(const char* pszName);
    // Puts back what Save found: the same type and bytes, or no value at all. Nothing happens
    // when nothing was saved.
    void Restore(const char* pszName) const;

private:
    BOOL PutBack(const char* pszName) const;
    const BYTE* Data() const { return m_pData ? m_pData : m_inlineData; }

    CRegistryKey m_key;
    BOOL m_bSaved = FALSE;
    BOOL m_bExists = FALSE;
    DWORD m_dwType = 0;
    BYTE m_inlineData[16] = {};  // the data when it fits here
    BYTE* m_pData = nullptr;     // else the data, on the heap
    DWORD m_cbData = 0;
};
