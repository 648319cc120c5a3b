#include "ResourceText.h"
#include "WinApp.h"

CResourceText::CResourceText(UINT nID) {
    m_nLength = ::LoadStringA(AfxGetResourceHandle(), nID, m_szText, sizeof m_szText);
    if (m_nLength <= 0) {
        m_szText[0] = '\0';
        m_nLength = 0;
    }
}
