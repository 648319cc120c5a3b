// CRateList: a growable list of 32-bit signed integers (refresh rates in Hz), in which the page
// collects the driver's rates and which the slider copies.
#pragma once
#include "framework/GrowableArray.h"

using CRateList = CGrowableArray<int>;
