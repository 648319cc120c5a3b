#include "DriverEscape.h"
#include <cstring>

CDriverEscape::CDriverEscape(HWND hWnd) { Attach(hWnd); }

CDriverEscape::~CDriverEscape() {
    if (m_hDC) ::ReleaseDC(m_hWndDC, m_hDC);
}

void CDriverEscape::Attach(HWND hWnd) {
    if (m_hDC) ::ReleaseDC(m_hWndDC, m_hDC);  // attaching again must not strand the first DC
    m_hWndDC = hWnd;
    m_hDC = ::GetDC(hWnd);
    ResetRecord();
}

void CDriverEscape::ResetRecord() {
    std::memset(&m_record, 0, sizeof m_record);
    m_record.wSize = sizeof m_record;
}

int CDriverEscape::QueryEscSupport(int nEscape) {
    const INT32 escape = nEscape;
    return ::ExtEscape(m_hDC, QUERYESCSUPPORT, sizeof escape, reinterpret_cast<LPCSTR>(&escape), 0, nullptr);
}

int CDriverEscape::QueryRefresh() {
    m_record.wFunction = REFRESH_QUERY;
    return SendRecord();
}

int CDriverEscape::SetRefresh(int nRate) {
    m_record.wFunction = REFRESH_SET;
    m_record.wRefreshRate = static_cast<SHORT>(nRate & 0xFFFF);
    return SendRecord();
}

int CDriverEscape::SendRecord() {
    return ::ExtEscape(m_hDC, REFRESH_ESCAPE, sizeof m_record, reinterpret_cast<LPCSTR>(&m_record),
                       sizeof m_record, reinterpret_cast<LPSTR>(&m_record));
}
