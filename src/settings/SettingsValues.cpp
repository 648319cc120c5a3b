// The driver's settings values: decimal text under the driver key's "DEFAULT" subkey.
#include "framework/FormatText.h"
#include "settings/AdapterSettings.h"
#include "settings/RegistryKey.h"
#include "settings/SavedValue.h"

namespace {

const char kClassKey[] = "System\\CurrentControlSet\\Services\\Class\\";
const char kDefaultKey[] = "\\DEFAULT";

// The "MCLK" values of the two video clock speeds.
const int kMclkFast = 77;
const int kMclkNormal = 70;

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Reads a decimal number as atoi does, from text that ends at its first NUL or after cbText
// bytes; the data need not be terminated. Too few bytes reach here to overflow an int.
int ParseDecimal(const char* pText, DWORD cbText) {
    const char* p = pText;
    const char* const pEnd = pText + cbText;
    while (p < pEnd && IsSpace(*p)) ++p;
    bool bNegative = false;
    if (p < pEnd && (*p == '+' || *p == '-')) bNegative = *p++ == '-';
    int nValue = 0;
    for (; p < pEnd && *p >= '0' && *p <= '9'; ++p) nValue = nValue * 10 + (*p - '0');
    return bNegative ? -nValue : nValue;
}

}  // namespace

BOOL CAdapterSettings::OpenValueKey(CRegistryKey& key, REGSAM access, BOOL bLookUp) {
    if (!(bLookUp ? LookupDriver() : m_bDriverRead)) return FALSE;
    char szPath[sizeof kClassKey + sizeof m_szDriver + sizeof kDefaultKey];
    FormatText(szPath, sizeof szPath, "%s%s%s", kClassKey, m_szDriver, kDefaultKey);
    return key.Open(HKEY_LOCAL_MACHINE, szPath, access);
}

BOOL CAdapterSettings::ReadValue(const char* pszName, int* pnValue) {
    CRegistryKey key;
    return OpenValueKey(key, KEY_READ) && ReadValue(key, pszName, pnValue);
}

void CAdapterSettings::WriteValue(const char* pszName, int nValue) {
    CRegistryKey key;
    if (OpenValueKey(key, KEY_SET_VALUE)) WriteValue(key, pszName, nValue);
}

BOOL CAdapterSettings::ReadValue(const CRegistryKey& values, const char* pszName, int* pnValue) {
    char data[8];
    DWORD cbData = sizeof data;
    if (!values.QueryData(pszName, data, &cbData)) return FALSE;
    *pnValue = ParseDecimal(data, cbData);
    return TRUE;
}

void CAdapterSettings::WriteValue(const CRegistryKey& values, const char* pszName, int nValue) {
    char szText[sizeof "-2147483648"];
    FormatText(szText, sizeof szText, "%d", nValue);
    values.SetText(pszName, szText);
}

BOOL CAdapterSettings::GetEnhPer(int* pnEnhPer) { return ReadValue("EnhPer", pnEnhPer); }

BOOL CAdapterSettings::GetEnhPer(const CRegistryKey& values, int* pnEnhPer) {
    return ReadValue(values, "EnhPer", pnEnhPer);
}

void CAdapterSettings::SetEnhPer(int nEnhPer) { WriteValue("EnhPer", nEnhPer); }

BOOL CAdapterSettings::GetRefreshRate(int* pnRefreshRate) { return ReadValue("RefreshRate", pnRefreshRate); }

void CAdapterSettings::SetRefreshRate(int nRefreshRate) { WriteValue("RefreshRate", nRefreshRate); }

void CAdapterSettings::SetRefreshRate(const CRegistryKey& values, int nRefreshRate) {
    WriteValue(values, "RefreshRate", nRefreshRate);
}

BOOL CAdapterSettings::SaveRefreshRate(CSavedValue& saved, BOOL bLookUp) {
    return OpenValueKey(saved.Key(), KEY_QUERY_VALUE | KEY_SET_VALUE, bLookUp) && saved.Save("RefreshRate");
}

void CAdapterSettings::RestoreRefreshRate(const CSavedValue& saved) { saved.Restore("RefreshRate"); }

BOOL CAdapterSettings::GetMclkFast(int* pnFast) {
    CRegistryKey key;
    return OpenValueKey(key, KEY_READ) && GetMclkFast(key, pnFast);
}

BOOL CAdapterSettings::GetMclkFast(const CRegistryKey& values, int* pnFast) {
    int nMclk = 0;
    if (!ReadValue(values, "MCLK", &nMclk)) return FALSE;
    *pnFast = nMclk == kMclkFast;
    return TRUE;
}

void CAdapterSettings::SetMclkFast(BOOL bFast) { WriteValue("MCLK", bFast ? kMclkFast : kMclkNormal); }
