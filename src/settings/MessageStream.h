// A message collected by stream insertion and shown in a message box.
#pragma once
#include <windows.h>
#include <cstddef>

class CMessageStream {
public:
    explicit CMessageStream(HWND hWndOwner);
    ~CMessageStream();
    CMessageStream(const CMessageStream&) = delete;
    CMessageStream& operator=(const CMessageStream&) = delete;

    CMessageStream& operator<<(const char* pszText);
    CMessageStream& operator<<(int nValue);

    // The text inserted so far.
    const char* GetText() const { return m_pszText ? m_pszText : ""; }
    // Shows the text in a message box; returns the id of the button that closed it.
    int Show(const char* pszCaption, UINT nStyle) const;

private:
    void Append(const char* pText, size_t nLength);

    HWND m_hWndOwner;
    char* m_pszText = nullptr;   // always terminated once allocated
    size_t m_nLength = 0;
    size_t m_nCapacity = 0;
};

// Shows what the stream collected, with the caption and message-box style given.
int ShowMessage(CMessageStream& stream, const char* pszCaption, UINT nStyle);
