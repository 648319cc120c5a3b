// CGrowableArray: a heap array of T with a capacity and a count, the one pattern behind the
// page's rate list and the settings object's mode table. Storage is zero-filled (T is a plain
// record of numbers); appending to a full array doubles the capacity (2 when it was 0); clearing
// keeps the storage for reuse. Out of memory it has no storage, and a failed growth leaves it as
// it was.
#pragma once
#include <climits>
#include <new>

template <typename T> class CGrowableArray {
public:
    // Allocates nCapacity zeroed elements (none when memory is short or nCapacity < 1).
    explicit CGrowableArray(int nCapacity = 0)
        : m_pData(nCapacity > 0 ? new (std::nothrow) T[nCapacity]() : nullptr), m_nCapacity(m_pData ? nCapacity : 0) {}
    virtual ~CGrowableArray() { delete[] m_pData; }
    CGrowableArray(const CGrowableArray&) = delete;
    CGrowableArray& operator=(const CGrowableArray&) = delete;

    // Adds a copy of value at the end; false (and the array unchanged) when it cannot grow.
    bool Append(const T& value) {
        if (m_nCount >= m_nCapacity && !Grow()) return false;
        m_pData[m_nCount++] = value;
        return true;
    }
    // Empties the array; the storage stays for reuse.
    void Clear() { m_nCount = 0; }

    int GetCount() const { return m_nCount; }
    int GetCapacity() const { return m_nCapacity; }
    // Element nIndex, for 0 <= nIndex < GetCapacity(): past the count the storage reads zero
    // (or what was there before a Clear).
    const T& operator[](int nIndex) const { return m_pData[nIndex]; }
    // The index of the first element equal to value, or -1 when there is none.
    int Find(const T& value) const {
        for (int i = 0; i < m_nCount; ++i)
            if (m_pData[i] == value) return i;
        return -1;
    }

private:
    bool Grow() {
        if (m_nCapacity > INT_MAX / 2) return false;
        const int nNewCapacity = m_nCapacity ? 2 * m_nCapacity : 2;
        T* pNew = new (std::nothrow) T[nNewCapacity]();
        if (!pNew) return false;
        for (int i = 0; i < m_nCapacity; ++i) pNew[i] = m_pData[i];
        delete[] m_pData;
        m_pData = pNew;
        m_nCapacity = nNewCapacity;
        return true;
    }

    T* m_pData;
    int m_nCapacity;
    int m_nCount = 0;
};
