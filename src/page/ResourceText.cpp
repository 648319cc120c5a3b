#include "ResourceText.h"
#include "framework/WinApp.h"

CResourceText::CResourceText(UINT nID) {
    if (::LoadStringA(AfxGetResourceHandle(), nID, m_szText, sizeof m_szText) <= 0) m_szText[0] = '\0';
}
