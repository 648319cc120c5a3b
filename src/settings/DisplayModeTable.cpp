#include "settings/DisplayModeTable.h"

CDisplayModeTable::CDisplayModeTable(int nCapacity)
    : m_pModes(new DisplayMode[nCapacity]), m_nCapacity(nCapacity), m_nCount(0) {}

CDisplayModeTable::~CDisplayModeTable() { delete[] m_pModes; }

void CDisplayModeTable::AddMode(DisplayMode mode) {
    if (m_nCount >= m_nCapacity) {
        const int nNewCapacity = m_nCapacity ? m_nCapacity * 2 : 2;
        DisplayMode* pNewModes = new DisplayMode[nNewCapacity];
        for (int i = 0; i < m_nCapacity; ++i) pNewModes[i] = m_pModes[i];
        delete[] m_pModes;
        m_pModes = pNewModes;
        m_nCapacity = nNewCapacity;
    }
    m_pModes[m_nCount++] = mode;
}
