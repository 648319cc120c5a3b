// Saves what the screen shows of a window as a 24-bit BMP file.
#pragma once
#include <windows.h>

bool SaveWindowImage(HWND hWnd, const char* path);
