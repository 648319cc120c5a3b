// The bit of user interface every measurement needs: a modeless sheet.
#pragma once
#include <windows.h>
#include <prsht.h>

// A modeless "Display Properties" sheet with one page; its first page is created and activated
// before this returns. Destroying the window releases the page handle.
HWND CreateSheet(HPROPSHEETPAGE hPage);
