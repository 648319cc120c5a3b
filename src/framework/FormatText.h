// Text formatting for the module, which links no C runtime: printf's conversions %d, %u, %s
// and %p (eight upper-case hex digits) and %%, into a buffer that is never overrun.
#pragma once
#include <cstddef>

// Formats into pszBuffer, cutting the text at nSize - 1 characters and always terminating it
// (when nSize > 0). Returns the number of characters stored, without the terminator.
int FormatText(char* pszBuffer, std::size_t nSize, const char* pszFormat, ...);
