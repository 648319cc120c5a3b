#include "RateList.h"
#include <climits>
#include <cstring>
#include <new>

CRateBuffer::CRateBuffer(int nCapacity) : m_pData(nullptr), m_nCapacity(0) {
    if (nCapacity < 0) nCapacity = 0;
    m_pData = new (std::nothrow) int[nCapacity]();
    if (m_pData) m_nCapacity = nCapacity;
}

CRateBuffer::~CRateBuffer() { delete[] m_pData; }

bool CRateBuffer::Grow() {
    if (m_nCapacity > INT_MAX / 2) return false;
    const int nNewCapacity = m_nCapacity ? 2 * m_nCapacity : 2;
    int* pNew = new (std::nothrow) int[nNewCapacity]();
    if (!pNew) return false;
    if (m_nCapacity) std::memcpy(pNew, m_pData, m_nCapacity * sizeof *pNew);
    delete[] m_pData;
    m_pData = pNew;
    m_nCapacity = nNewCapacity;
    return true;
}

bool CRateList::Append(int nValue) {
    if (m_nCount >= m_nCapacity && !Grow()) return false;
    m_pData[m_nCount++] = nValue;
    return true;
}

int CRateList::Find(int nValue) const {
    for (int i = 0; i < m_nCount; ++i)
        if (m_pData[i] == nValue) return i;
    return -1;
}
