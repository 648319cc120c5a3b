// Saves what the screen shows, of a window or of a rectangle, as a 24-bit BMP file.
#pragma once
#include <windows.h>

bool SaveScreenImage(const RECT& rc, const char* path);
bool SaveWindowImage(HWND hWnd, const char* path);
