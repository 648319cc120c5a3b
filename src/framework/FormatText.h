// Text formatting for the module, which links no C runtime: printf's conversions %d, %u, %s
// and %p (eight upper-case hex digits) and %%, into a buffer that is never overrun.
#pragma once
#include <cstddef>

// Formats into pszBuffer, cutting the text at nSize - 1 characters and always terminating it
// (when nSize > 0). Returns the number of characters stored, without the terminator. The
// compiler checks the arguments against the format; any other conversion ends the text there,
// as the argument it stands for could not be skipped safely.
int FormatText(char* pszBuffer, std::size_t nSize, const char* pszFormat, ...) __attribute__((format(gnu_printf, 3, 4)));

// Copies the text pszText, a translation that is not a format, with its first "%d" replaced by
// the decimal digits of nValue; every other character, a % among them, stands as it is. Cuts and
// terminates as FormatText does, and returns the same count.
int InsertNumber(char* pszBuffer, std::size_t nSize, const char* pszText, int nValue);
