// An open registry key that is closed when it goes out of scope, so that no lookup leaves a key
// open on any path.
#pragma once
#include <windows.h>

class CRegistryKey {
public:
    CRegistryKey() = default;
    ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // Opens parent\path with the given access; TRUE on success.
    BOOL Open(HKEY hParent, const char* pszPath, REGSAM access) {
        Close();
        return RegOpenKeyExA(hParent, pszPath, 0, access, &m_hKey) == ERROR_SUCCESS;
    }

    // Reads a value's data, whatever its type; *pcbData is the buffer's size on the way in and
    // the data's length on the way out. TRUE when it fitted.
    BOOL QueryData(const char* pszName, void* pData, DWORD* pcbData) const {
        return RegQueryValueExA(m_hKey, pszName, nullptr, nullptr, static_cast<BYTE*>(pData), pcbData) ==
               ERROR_SUCCESS;
    }

    // Reads a text value into a buffer of cbText bytes. TRUE only when the value fits with its
    // terminator; a value that fills the buffer without one is unusable as text. The type of the
    // value is not looked at. On failure the buffer holds an empty text.
    BOOL QueryText(const char* pszName, char* pszText, DWORD cbText) const;

    // Stores text as REG_SZ, its terminator counted in the length. Failures are not reported.
    void SetText(const char* pszName, const char* pszText) const;

    HKEY Get() const { return m_hKey; }

private:
    void Close() {
        if (m_hKey) RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }

    HKEY m_hKey = nullptr;
};
