// A growable array of display modes that owns its storage: the modes the page offers.
#pragma once
#include "framework/GrowableArray.h"
#include "settings/DisplayMode.h"

class CDisplayModeTable : public CGrowableArray<DisplayMode> {
public:
    // Room for nCapacity modes, all zero (none when memory is short); the table starts empty.
    using CGrowableArray::CGrowableArray;
    ~CDisplayModeTable() override = default;

    // Appends a copy of mode; when the larger storage cannot be had, the table stays as it was
    // (the page never reads the table back).
    void AddMode(DisplayMode mode) { Append(mode); }
    // Empties the table; the storage is kept for the next modes.
    void ClearModes() { Clear(); }
};
