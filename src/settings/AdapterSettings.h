// The one object through which the settings page reaches the adapter: it finds the adapter's
// device node and driver key in the registry, reads and writes the driver's settings values,
// keeps the table of modes on offer and switches the display mode.
//
// Its three concerns are three files, each read on its own: AdapterSettings.cpp finds the
// adapter (the device search and the driver lookup), SettingsValues.cpp reads and writes the
// driver's values as text, and ModeSwitch.cpp changes the display mode and words its results.
#pragma once
#include <windows.h>
#include <cstddef>
#include "settings/DisplayMode.h"
#include "settings/SettingsBase.h"

class CRegistryKey;
class CSavedValue;

class CAdapterSettings : public CDeviceSettings {
public:
    // Sets up a mode table of nCapacity modes and searches the device list for the adapter.
    explicit CAdapterSettings(int nCapacity);
    ~CAdapterSettings() override = default;

    // Kept in the object's virtual table for derived settings objects; both accept anything.
    virtual BOOL ReservedOne(int nValue);
    virtual BOOL ReservedTwo(int nValue);

    // Reads the adapter's "Driver" value into m_szDriver; TRUE when it holds a usable value.
    BOOL LookupDriver();

    // The driver's settings under its "DEFAULT" key. Reads leave *pnValue alone on failure;
    // writes report nothing. Each looks the driver key up and opens the value key itself.
    BOOL GetEnhPer(int* pnEnhPer);
    void SetEnhPer(int nEnhPer);
    BOOL GetRefreshRate(int* pnRefreshRate);
    void SetRefreshRate(int nRefreshRate);
    BOOL GetMclkFast(int* pnFast);   // 1 for the Fast clock, 0 for anything else
    void SetMclkFast(BOOL bFast);

    // Looks the driver key up and opens its "DEFAULT" key with the given access, for several
    // values in a row; TRUE when it is open. With bLookUp FALSE the last lookup is taken as it
    // came out, for a caller that made it moments ago.
    BOOL OpenValueKey(CRegistryKey& key, REGSAM access, BOOL bLookUp = TRUE);
    // The same reads and write through a value key that the caller holds open.
    BOOL GetEnhPer(const CRegistryKey& values, int* pnEnhPer);
    BOOL GetMclkFast(const CRegistryKey& values, int* pnFast);
    void SetRefreshRate(const CRegistryKey& values, int nRefreshRate);

    // "RefreshRate" exactly as stored, or its absence, and putting that back into the key it
    // was read from. The saved value holds that key open, with query and set-value access;
    // bLookUp as for OpenValueKey.
    BOOL SaveRefreshRate(CSavedValue& saved, BOOL bLookUp = TRUE);
    void RestoreRefreshRate(const CSavedValue& saved);

    // Changes the display mode to pNew, asking for the fields in which it differs from pOld, and
    // tells the user about any result but success. Returns ChangeDisplaySettingsA's result, so
    // that the caller knows whether the mode changed, waits for a restart or stayed as it was.
    // Without bOfferRestart a change that waits for a restart is left to the caller, unreported.
    LONG SwitchMode(const DisplayMode* pNew, const DisplayMode* pOld, BOOL bOfferRestart = TRUE);

private:
    BOOL FindHardwareKey();
    BOOL ReadValue(const char* pszName, int* pnValue);
    void WriteValue(const char* pszName, int nValue);
    static BOOL ReadValue(const CRegistryKey& values, const char* pszName, int* pnValue);
    static void WriteValue(const CRegistryKey& values, const char* pszName, int nValue);

    DEVMODEA m_devMode;         // rebuilt by every SwitchMode, passed in its Windows 95 size
    BOOL m_bFound;              // the adapter's device node was found at construction
    BOOL m_bDriverRead;         // the last lookup read a usable "Driver" value
    char m_szDriver[16];        // the last "Driver" value read
    // The adapter's "HardWareKey", while m_bFound: as long as a registry path can be, for
    // Windows 98 names its nodes with subsystem and revision as well.
    char m_szHardwareKey[MAX_PATH];
};

// The size of the Windows 95 DEVMODE: every member up to and including dmReserved2.
constexpr WORD kDevModeSize95 = 148;
static_assert(offsetof(DEVMODEA, dmPanningWidth) == kDevModeSize95, "DEVMODEA layout");

// The settings object of the page that is open; empty while there is none.
extern CAdapterSettings* g_pAdapterSettings;
