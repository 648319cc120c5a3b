// CRateList: a growable list of 32-bit signed integers (refresh rates in Hz), on CRateBuffer,
// which owns the heap array. Appending to a full array doubles its capacity.
#pragma once

class CRateBuffer {
public:
    // Allocates nCapacity zeroed elements (0 still makes a zero-length allocation).
    explicit CRateBuffer(int nCapacity);
    virtual ~CRateBuffer();
    CRateBuffer(const CRateBuffer&) = delete;
    CRateBuffer& operator=(const CRateBuffer&) = delete;

    int GetCapacity() const { return m_nCapacity; }

protected:
    // Replaces the array by one of twice the capacity (2 from 0), zero-filled beyond the old
    // elements. On failure the old array stays and false is returned.
    bool Grow();

    int* m_pData;
    int m_nCapacity;
};

class CRateList : public CRateBuffer {
public:
    explicit CRateList(int nCapacity = 0) : CRateBuffer(nCapacity) {}

    // Adds nValue at the end; false (and the list unchanged) when the storage cannot grow.
    bool Append(int nValue);
    // Empties the list; the storage stays for reuse.
    void Clear() { m_nCount = 0; }

    int GetCount() const { return m_nCount; }
    // The index of the first element equal to nValue, or -1 when there is none.
    int Find(int nValue) const;
    // Element nIndex, for 0 <= nIndex < GetCount().
    int operator[](int nIndex) const { return m_pData[nIndex]; }

private:
    int m_nCount = 0;
};
