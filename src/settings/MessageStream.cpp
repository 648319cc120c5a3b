#include "settings/MessageStream.h"
#include "framework/FormatText.h"
#include <cstdlib>
#include <cstring>

CMessageStream::CMessageStream(HWND hWndOwner) : m_hWndOwner(hWndOwner) {}

CMessageStream::~CMessageStream() { std::free(m_pszText); }

CMessageStream& CMessageStream::operator<<(const char* pszText) {
    if (pszText) Append(pszText, std::strlen(pszText));
    return *this;
}

CMessageStream& CMessageStream::operator<<(int nValue) {
    char szText[sizeof "-2147483648"];
    Append(szText, static_cast<size_t>(FormatText(szText, sizeof szText, "%d", nValue)));
    return *this;
}

int CMessageStream::Show(const char* pszCaption, UINT nStyle) const {
    return MessageBoxA(m_hWndOwner, GetText(), pszCaption, nStyle);
}

void CMessageStream::Append(const char* pText, size_t nLength) {
    if (m_nLength + nLength + 1 > m_nCapacity) {
        size_t nCapacity = m_nCapacity ? m_nCapacity * 2 : 64;
        if (nCapacity < m_nLength + nLength + 1) nCapacity = m_nLength + nLength + 1;
        // Out of memory the message keeps what it has: better a short text than none.
        char* pszText = static_cast<char*>(std::realloc(m_pszText, nCapacity));
        if (!pszText) return;
        m_pszText = pszText;
        m_nCapacity = nCapacity;
    }
    std::memcpy(m_pszText + m_nLength, pText, nLength);
    m_nLength += nLength;
    m_pszText[m_nLength] = '\0';
}

int ShowMessage(CMessageStream& stream, const char* pszCaption, UINT nStyle) {
    return stream.Show(pszCaption, nStyle);
}
