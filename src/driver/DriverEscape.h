// CDriverEscape: holds a device context of the screen for the length of one operation and
// sends the display driver's escapes through it. Made on the stack only; the device context
// is given back when the holder goes out of scope.
#pragma once
#include <windows.h>
#include "RefreshEscapeRecord.h"

class CDriverEscape {
public:
    // hWnd NULL: the device context of the whole screen.
    explicit CDriverEscape(HWND hWnd);
    ~CDriverEscape();
    CDriverEscape(const CDriverEscape&) = delete;
    CDriverEscape& operator=(const CDriverEscape&) = delete;

    void Attach(HWND hWnd);
    // Zero-fills the record and sets its size.
    void ResetRecord();

    // The driver's QUERYESCSUPPORT answer for escape nEscape (1 when supported).
    int QueryEscSupport(int nEscape);
    // Asks the driver for its current and offered refresh rates; the reply lands in the record.
    int QueryRefresh();
    // Tells the driver the refresh rate to use (its low 16 bits).
    int SetRefresh(int nRate);
    // Entry nIndex of the offered rates of the last reply.
    SHORT GetListedRate(int nIndex) const { return m_record.awRates[nIndex]; }
    // The record as the last reply left it.
    const RefreshEscapeRecord& Reply() const { return m_record; }
    // The device context the escapes go through (null when none could be had).
    HDC GetDeviceContext() const { return m_hDC; }

private:
    int SendRecord();

    HWND m_hWndDC = nullptr;
    HDC m_hDC = nullptr;
    RefreshEscapeRecord m_record;
};
