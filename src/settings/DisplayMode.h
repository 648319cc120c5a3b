// One display mode: colour depth, resolution and refresh rate, as the page and the mode table
// keep them.
#pragma once

struct DisplayMode {
    int bitsPerPixel = 0;   // colour depth in bits per pixel
    int width = 0;          // horizontal resolution in pixels
    int height = 0;         // vertical resolution in pixels
    int refreshRate = 0;    // vertical refresh rate in Hz

    DisplayMode() = default;
    DisplayMode(int nBitsPerPixel, int nWidth, int nHeight, int nRefreshRate)
        : bitsPerPixel(nBitsPerPixel), width(nWidth), height(nHeight), refreshRate(nRefreshRate) {}
};

inline bool operator==(const DisplayMode& a, const DisplayMode& b) {
    return a.bitsPerPixel == b.bitsPerPixel && a.width == b.width && a.height == b.height &&
           a.refreshRate == b.refreshRate;
}

inline bool operator!=(const DisplayMode& a, const DisplayMode& b) { return !(a == b); }

static_assert(sizeof(DisplayMode) == 16, "four 32-bit fields and nothing else");
