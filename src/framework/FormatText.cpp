#include "FormatText.h"
#include <cstdarg>
#include <cstdint>

namespace {

class CBoundedText {
public:
    CBoundedText(char* pszBuffer, std::size_t nSize) : m_pszBuffer(pszBuffer), m_nRoom(nSize ? nSize - 1 : 0) {}

    void Put(char ch) {
        if (m_nLength < m_nRoom) m_pszBuffer[m_nLength++] = ch;
    }
    void Put(const char* psz) {
        while (*psz) Put(*psz++);
    }
    // The digits of nValue in the base given, at least nMinDigits of them.
    void PutNumber(std::uint32_t nValue, unsigned nBase, int nMinDigits = 1) {
        char szDigits[32];
        int n = 0;
        do {
            szDigits[n++] = "0123456789ABCDEF"[nValue % nBase];
            nValue /= nBase;
        } while (nValue || n < nMinDigits);
        while (n) Put(szDigits[--n]);
    }
    int Finish(bool bTerminate) {
        if (bTerminate) m_pszBuffer[m_nLength] = '\0';
        return static_cast<int>(m_nLength);
    }

private:
    char* m_pszBuffer;
    std::size_t m_nRoom;
    std::size_t m_nLength = 0;
};

// The decimal digits of nValue, with a minus sign when it is negative.
void PutDecimal(CBoundedText& text, int nValue) {
    if (nValue < 0) text.Put('-');
    // Negated as unsigned, so that the most negative value keeps its digits.
    text.PutNumber(nValue < 0 ? 0u - static_cast<std::uint32_t>(nValue) : static_cast<std::uint32_t>(nValue), 10);
}

}  // namespace

int InsertNumber(char* pszBuffer, std::size_t nSize, const char* pszText, int nValue) {
    CBoundedText text(pszBuffer, nSize);
    bool bInserted = false;
    for (const char* p = pszText; *p; ++p) {
        if (!bInserted && p[0] == '%' && p[1] == 'd') {
            PutDecimal(text, nValue);
            bInserted = true;
            ++p;
        } else {
            text.Put(*p);
        }
    }
    return text.Finish(nSize > 0);
}

int FormatText(char* pszBuffer, std::size_t nSize, const char* pszFormat, ...) {
    CBoundedText text(pszBuffer, nSize);
    va_list args;
    va_start(args, pszFormat);
    for (const char* p = pszFormat; *p; ++p) {
        if (*p != '%' || !p[1]) {
            text.Put(*p);
            continue;
        }
        switch (*++p) {
        case 'd':
            PutDecimal(text, va_arg(args, int));
            break;
        case 'u':
            text.PutNumber(va_arg(args, unsigned), 10);
            break;
        case 's': {
            const char* psz = va_arg(args, const char*);
            text.Put(psz ? psz : "(null)");
            break;
        }
        case 'p':
            text.PutNumber(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(va_arg(args, void*))), 16, 8);
            break;
        case '%':
            text.Put('%');
            break;
        default:
            // The text ends here: the size of the argument this stands for is unknown, so no
            // argument after it could be found.
            va_end(args);
            return text.Finish(nSize > 0);
        }
    }
    va_end(args);
    return text.Finish(nSize > 0);
}
