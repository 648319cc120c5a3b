#include "settings/DisplayModeTable.h"
#include <new>

// Out of memory the table has no storage (capacity 0) and grows from nothing on the next mode.
CDisplayModeTable::CDisplayModeTable(int nCapacity)
    : m_pModes(nCapacity > 0 ? new (std::nothrow) DisplayMode[nCapacity] : nullptr),
      m_nCapacity(m_pModes ? nCapacity : 0), m_nCount(0) {}

CDisplayModeTable::~CDisplayModeTable() { delete[] m_pModes; }

void CDisplayModeTable::AddMode(DisplayMode mode) {
    if (m_nCount >= m_nCapacity) {
        const int nNewCapacity = m_nCapacity ? m_nCapacity * 2 : 2;
        DisplayMode* pNewModes = new (std::nothrow) DisplayMode[nNewCapacity];
        // Out of memory the mode is not recorded: the page never reads the table back.
        if (!pNewModes) return;
        for (int i = 0; i < m_nCapacity; ++i) pNewModes[i] = m_pModes[i];
        delete[] m_pModes;
        m_pModes = pNewModes;
        m_nCapacity = nNewCapacity;
    }
    m_pModes[m_nCount++] = mode;
}
