// The screen's current format, from which the page builds the mode in force.
#pragma once

// Colour depth (bits per pixel times planes), width and height of the screen.
void GetScreenFormat(int* pnBitsPerPixel, int* pnWidth, int* pnHeight);
