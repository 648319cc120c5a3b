// DrawBevel: nested one-pixel frames inside a rectangle, one pen on the top and left edges and
// another on the bottom and right, the way raised and sunken edges are drawn.
#pragma once
#include <windows.h>

// Draws nDepth frames inside rc (none when nDepth < 1); the DC's pen is restored afterwards.
void DrawBevel(HDC hdc, HPEN hTopLeft, HPEN hBottomRight, const RECT& rc, int nDepth);
