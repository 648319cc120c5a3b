// Every test program runs mirrored, as a right-to-left Windows runs its programs, when started
// with TAVROLIN_MIRRORED set: its top-level windows are laid out right to left from the start,
// and their children inherit it. These say whether that is so and where a window's logical x
// lands on screen.
#pragma once
#include <windows.h>

bool RunsMirrored();
// The device column of client x in hWnd: itself, or counted from the right in a mirrored window.
int DeviceX(HWND hWnd, int x);
// A client rectangle of hWnd as a mirrored window's DC draws it, in device columns.
RECT DeviceRect(HWND hWnd, const RECT& rc);
