// A growable array of display modes that owns its storage: the modes the page offers.
#pragma once
#include "settings/DisplayMode.h"

class CDisplayModeTable {
public:
    // Allocates room for nCapacity modes, all zero (none when memory is short); the table starts
    // empty.
    explicit CDisplayModeTable(int nCapacity);
    virtual ~CDisplayModeTable();
    CDisplayModeTable(const CDisplayModeTable&) = delete;
    CDisplayModeTable& operator=(const CDisplayModeTable&) = delete;

    // Appends a copy of mode, doubling the storage (2 when empty) when it is full. When the larger
    // storage cannot be had, the table stays as it was.
    void AddMode(DisplayMode mode);
    // Empties the table; the storage is kept for the next modes.
    void ClearModes() { m_nCount = 0; }

    int GetCount() const { return m_nCount; }
    int GetCapacity() const { return m_nCapacity; }
    const DisplayMode& GetMode(int nIndex) const { return m_pModes[nIndex]; }

private:
    DisplayMode* m_pModes;
    int m_nCapacity;
    int m_nCount;
};
