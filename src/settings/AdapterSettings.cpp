#include "settings/AdapterSettings.h"
#include "framework/FormatText.h"
#include <cstring>
#include "settings/RegistryKey.h"

CAdapterSettings* g_pAdapterSettings = nullptr;

namespace {

// The adapter's Plug and Play hardware ID; a device node matches when its key begins with it.
const char kAdapterId[] = "PCI\\VEN_5333&DEV_5631";

}  // namespace

CAdapterSettings::CAdapterSettings(int nCapacity)
    : CDeviceSettings(nCapacity), m_bFound(FALSE), m_bDriverRead(FALSE), m_szDriver(), m_szHardwareKey() {
    m_bFound = FindHardwareKey();
}

BOOL CAdapterSettings::ReservedOne(int) { return TRUE; }

BOOL CAdapterSettings::ReservedTwo(int) { return TRUE; }

BOOL CAdapterSettings::FindHardwareKey() {
    CRegistryKey root;
    if (!root.Open(HKEY_DYN_DATA, "Config Manager\\Enum", KEY_READ)) return FALSE;
    // Any failure to enumerate, a name too long for the buffer among them, ends the search.
    char szName[32];
    for (DWORD nIndex = 0; RegEnumKeyA(root.Get(), nIndex, szName, sizeof szName) == ERROR_SUCCESS; ++nIndex) {
        CRegistryKey device;
        if (!device.Open(root.Get(), szName, KEY_READ)) continue;
        if (device.QueryText("HardWareKey", m_szHardwareKey, sizeof m_szHardwareKey) &&
            std::strncmp(m_szHardwareKey, kAdapterId, sizeof kAdapterId - 1) == 0)
            return TRUE;
    }
    return FALSE;
}

BOOL CAdapterSettings::LookupDriver() {
    m_bDriverRead = FALSE;
    if (!m_bFound) return FALSE;
    char szPath[sizeof "Enum\\" + sizeof m_szHardwareKey];
    FormatText(szPath, sizeof szPath, "Enum\\%s", m_szHardwareKey);
    CRegistryKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, szPath, KEY_READ)) return FALSE;
    return m_bDriverRead = key.QueryText("Driver", m_szDriver, sizeof m_szDriver);
}
