// The class chain between the mode table and the adapter's settings object. Each level adds
// nothing but its own virtual destructor.
#pragma once
#include "settings/DisplayModeTable.h"

class CSettingsBase : public CDisplayModeTable {
public:
    using CDisplayModeTable::CDisplayModeTable;
    ~CSettingsBase() override = default;
};

class CDeviceSettings : public CSettingsBase {
public:
    using CSettingsBase::CSettingsBase;
    ~CDeviceSettings() override = default;
};
