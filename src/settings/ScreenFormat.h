// The screen's current format, from which the page builds the mode in force.
#pragma once

#include <windows.h>

// Colour depth (bits per pixel times planes), width and height of the screen.
void GetScreenFormat(int* pnBitsPerPixel, int* pnWidth, int* pnHeight);
// The same, the depth read through a device context of the screen that the caller holds.
void GetScreenFormat(HDC hdcScreen, int* pnBitsPerPixel, int* pnWidth, int* pnHeight);
